#include "shell/connection_window.h"

#include "settings/codepage.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QValidator>
#include <algorithm>

namespace quorvelle::shell {

namespace {

constexpr quint16 DefaultPort = 8166;

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

QString DigitsOf(const QString& text)
{
    QString digits;
    std::copy_if(text.begin(), text.end(), std::back_inserter(digits), IsDigit);
    return digits;
}

// Typed keys are filtered before they reach the field; this catches what arrives by
// other roads (context-menu paste, drag and drop) and keeps only its digits.
class DigitsOnlyValidator final : public QValidator
{
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override
    {
        const QString kept = DigitsOf(input);
        if (kept.size() != input.size()) {
            pos -= int(std::count_if(input.begin(),
                                     input.begin() + std::min<qsizetype>(pos, input.size()),
                                     [](QChar c) { return !IsDigit(c); }));
            input = kept;
        }
        return Acceptable;
    }
};

} // namespace

TConnFm::TConnFm(const QStringList& addressTexts, quint16 port, const QByteArray& codepage,
                 QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      port_(port), codepage_(codepage)
{
    ui.setupUi(this);
    setAttribute(Qt::WA_DeleteOnClose);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    ui.ListBox1->addItems(addressTexts);
    ui.Edit2->setText(QString::number(port_));
    ui.Edit2->setValidator(new DigitsOnlyValidator(ui.Edit2));
    snapshot_ = listEntries();
    for (const QByteArray& name : settings::CodepageChoices(codepage))
        ui.CodepageBox->addItem(QString::fromLatin1(name));
    ui.CodepageBox->setCurrentText(QString::fromLatin1(codepage));
    ui.CodepageBox->setVisible(!codepage.isEmpty());
    ui.Label2->setVisible(!codepage.isEmpty());

    ui.Edit1->installEventFilter(this);
    ui.Edit2->installEventFilter(this);

    connect(ui.BitBtn1, &QPushButton::clicked, this, &TConnFm::BitBtn1Click);
    connect(ui.Edit1, &QLineEdit::returnPressed, this, &TConnFm::BitBtn1Click);
    connect(ui.BitBtn2, &QPushButton::clicked, this, &TConnFm::BitBtn2Click);
    connect(ui.BitBtn3, &QPushButton::clicked, this, &TConnFm::BitBtn3Click);
    connect(ui.BitBtn4, &QPushButton::clicked, this, &QWidget::close);
}

void TConnFm::setEveryInterface(bool on)
{
    everyInterface_ = on;
    ui.EveryInterfaceBox->setChecked(on);
}

QStringList TConnFm::listEntries() const
{
    QStringList entries;
    for (int i = 0; i < ui.ListBox1->count(); ++i)
        entries << ui.ListBox1->item(i)->text();
    return entries;
}

void TConnFm::BitBtn1Click()
{
    if (!ui.Edit1->text().isEmpty())
        ui.ListBox1->addItem(ui.Edit1->text());
    ui.Edit1->clear();
}

void TConnFm::BitBtn2Click()
{
    // currentRow() alone would delete an entry that only holds the focus frame.
    const QList<QListWidgetItem*> selected = ui.ListBox1->selectedItems();
    if (!selected.isEmpty())
        delete selected.first();
}

void TConnFm::BitBtn3Click()
{
    confirmed_ = true;
    close();
}

bool TConnFm::Edit1KeyDown(const QKeyEvent& key)
{
    if (key.key() != Qt::Key_Escape)
        return false;
    if (ui.Edit1->text().isEmpty())
        close();
    else
        ui.Edit1->clear();
    return true;
}

bool TConnFm::Edit2KeyDown(const QKeyEvent& key)
{
    if (key.key() == Qt::Key_Escape) {
        const QString current = QString::number(port_);
        if (ui.Edit2->text() != current)
            ui.Edit2->setText(current);
        else
            close();
        return true;
    }
    if (key.matches(QKeySequence::Paste)) {
        // Strip before inserting, so the length limit counts digits only.
        ui.Edit2->insert(DigitsOf(QGuiApplication::clipboard()->text()));
        return true;
    }
    // Control characters (Backspace, Delete, shortcuts) and bare editing keys pass.
    const QString text = key.text();
    return std::any_of(text.begin(), text.end(),
                       [](QChar c) { return c.isPrint() && !IsDigit(c); });
}

bool TConnFm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto& key = static_cast<const QKeyEvent&>(*event);
        if (watched == ui.Edit1)
            return Edit1KeyDown(key);
        if (watched == ui.Edit2)
            return Edit2KeyDown(key);
    }
    return QWidget::eventFilter(watched, event);
}

void TConnFm::keyPressEvent(QKeyEvent* event)
{
    // The list and the buttons leave Esc to their window; a plain QWidget ignores it.
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void TConnFm::showEvent(QShowEvent* event)
{
    // Only the first time: a window restored from the taskbar stays where the user put it.
    if (!centred_) {
        centred_ = true;
        if (const QScreen* s = screen())
            move(s->availableGeometry().center() - rect().center());
    }
    QWidget::showEvent(event);
}

void TConnFm::closeEvent(QCloseEvent* event)
{
    if (!confirmed_) {
        ui.ListBox1->clear();
        ui.ListBox1->addItems(snapshot_);
        ui.Edit2->setText(QString::number(port_));
    }
    if (ui.Edit2->text().isEmpty())
        ui.Edit2->setText(QString::number(DefaultPort));
    emit applied(listEntries(), ui.Edit2->text().toUShort());
    if (confirmed_) {
        emit confirmed();
        const QByteArray chosen = ui.CodepageBox->currentText().toLatin1();
        if (!codepage_.isEmpty() && chosen != codepage_)
            emit codepageChosen(chosen);
        if (ui.EveryInterfaceBox->isChecked() != everyInterface_)
            emit everyInterfaceChosen(ui.EveryInterfaceBox->isChecked());
    }
    QWidget::closeEvent(event);
}

} // namespace quorvelle::shell
