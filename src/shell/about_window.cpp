#include "shell/about_window.h"

#include "settings/program_info.h"
#include "shell/image_list.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvelle::shell {

using namespace Qt::Literals::StringLiterals;

const QString TAboutFm::WebSite = u"https://halvorenwerk.example/quorvelle/"_s;
const QString TAboutFm::MailAddress = u"quorvelle@halvorenwerk.example"_s;

namespace {

// A link the desktop opens with its own program (the browser, the mail program).
QLabel* Link(QWidget* parent, const char* name, const QString& url, const QString& text)
{
    auto* l = new QLabel(u"<a href=\"%1\">%2</a>"_s.arg(url.toHtmlEscaped(), text.toHtmlEscaped()),
                         parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextFormat(Qt::RichText);
    l->setOpenExternalLinks(true);
    l->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    return l;
}

} // namespace

TAboutFm::TAboutFm()
{
    setObjectName(u"TAboutFm"_s);
    setWindowTitle(tr("About"));
    setWindowIcon(ImageList::appIcon());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint);

    auto* picture = new QLabel(this);
    picture->setPixmap(ImageList::appIcon().pixmap(48, 48));
    picture->setAlignment(Qt::AlignTop);
    Title = new QLabel(settings::WindowCaption(), this);
    Title->setObjectName(u"Title"_s);
    QFont big = Title->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    Title->setFont(big);
    auto* release = new QLabel(tr("Release %1 — chat for the local network, no server needed.")
                                   .arg(settings::GetVersionText()),
                               this);
    release->setWordWrap(true);
    auto* maker = new QLabel(u"© Halvorenwerk"_s, this);
    WebLink = Link(this, "WebLink", WebSite, WebSite);
    MailLink = Link(this, "MailLink", u"mailto:"_s + MailAddress, MailAddress);
    OkBtn = new QPushButton(ImageList::icon(65), tr("OK"), this);
    OkBtn->setObjectName(u"OkBtn"_s);
    OkBtn->setDefault(true);
    connect(OkBtn, &QPushButton::clicked, this, &QWidget::close);

    auto* texts = new QVBoxLayout;
    for (QWidget* w : std::initializer_list<QWidget*>{Title, release, maker, WebLink, MailLink})
        texts->addWidget(w);
    auto* top = new QHBoxLayout;
    top->addWidget(picture);
    top->addLayout(texts, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OkBtn);
    buttons->addStretch();
    auto* outer = new QVBoxLayout(this);
    outer->addLayout(top);
    outer->addLayout(buttons);
    setFixedSize(qMax(320, sizeHint().width()), sizeHint().height());
    OkBtn->setFocus();
}

} // namespace quorvelle::shell
