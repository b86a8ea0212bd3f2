#include "chat/chat_session.h"
#include "chat/colour_value.h"
#include "chat/conversation_tabs.h"
#include "chat/conversation_view.h"
#include "settings/colours_window.h"
#include "shell/colour_views.h"
#include "shell/main_menu.h"
#include "shell/main_window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace quorvelle;
using namespace quorvelle::settings;
using namespace Qt::Literals::StringLiterals;

namespace {

QPalette DarkPalette()
{
    QPalette p = QApplication::palette();
    p.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    p.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
    p.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    p.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEE));
    return p;
}

QColor BaseOf(QWidget* w)
{
    return w->palette().color(QPalette::Base);
}

} // namespace

class TestColoursWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_palette = QApplication::palette();
        QVERIFY(m_fixture.start());
    }

    void cleanup()
    {
        m_fixture.stop();
        QApplication::setPalette(m_palette);
    }

    void freshStartFollowsTheDesktop()
    {
        Ui::TMainFm& ui = m_fixture.window->form();
        const QPalette desktop = m_fixture.window->palette();
        QVERIFY(mainView());
        QCOMPARE(BaseOf(mainView()), desktop.color(QPalette::Base));
        for (QWidget* w :
             std::initializer_list<QWidget*>{ui.UsersList, ui.SubjMemo, ui.reEdit, ui.Edit3}) {
            QCOMPARE(BaseOf(w), desktop.color(QPalette::Base));
            QCOMPARE(w->palette().color(QPalette::Text), desktop.color(QPalette::Text));
        }
    }

    void okCancelApply_data()
    {
        QTest::addColumn<QString>("steps"); // a: Apply, o: OK, c: Cancel, e: Esc
        QTest::addColumn<bool>("inForce");
        QTest::addColumn<bool>("closed");
        QTest::newRow("OK") << u"o"_s << true << true;
        QTest::newRow("Cancel") << u"c"_s << false << true;
        QTest::newRow("Esc") << u"e"_s << false << true;
        QTest::newRow("Apply") << u"a"_s << true << false;
        QTest::newRow("Apply, then Cancel") << u"ac"_s << true << true;
    }

    void okCancelApply()
    {
        QFETCH(QString, steps);
        QFETCH(bool, inForce);
        QFETCH(bool, closed);
        const QColor before = BaseOf(mainView());
        TColorsFm* w = openWindow();
        QVERIFY(w);
        QTest::mouseClick(w->findChild<QWidget*>(u"ChatWnd"_s), Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseClick(w->findChild<QLabel*>(u"Chat11"_s), Qt::LeftButton);
        // The model shows the pick at once, the views not yet.
        QCOMPARE(w->swatch(ColourId::ChatBrush)->palette().color(QPalette::Window),
                 QColor(0x10, 0x20, 0x30));
        QCOMPARE(BaseOf(mainView()), before);
        for (QChar step : steps) {
            if (step == u'a')
                QTest::mouseClick(w->ApplyButt, Qt::LeftButton);
            else if (step == u'o')
                QTest::mouseClick(w->OkBtn, Qt::LeftButton);
            else if (step == u'c')
                QTest::mouseClick(w->CancelBtn, Qt::LeftButton);
            else
                QTest::keyClick(w, Qt::Key_Escape);
        }
        QCOMPARE(BaseOf(mainView()), inForce ? QColor(0x10, 0x20, 0x30) : before);
        const Colours& c = m_fixture.window->colours().colours();
        QCOMPARE(c.value(ColourId::ChatBrush), inForce ? Rgb(0x10, 0x20, 0x30) : WindowBackground);
        QCOMPARE(c.value(LineColourId(11)), inForce ? Rgb(0x10, 0x20, 0x30) : Rgb(0, 0, 255));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(m_fixture.window->colours().window() == nullptr, closed);

        // What is in force is what the next session has.
        m_fixture.restart();
        QCOMPARE(BaseOf(mainView()), inForce ? QColor(0x10, 0x20, 0x30) : before);
    }

    void defaultColoursReachExistingViews()
    {
        TColorsFm* w = openWindow();
        for (const char* name : {"ChatWnd", "UsersWnd", "Users1", "Mess1"})
            w->pick(ColourId(
                w->findChild<QWidget*>(QString::fromLatin1(name))->property("colourId").toInt()));
        QTest::mouseClick(w->OkBtn, Qt::LeftButton);
        Ui::TMainFm& ui = m_fixture.window->form();
        QCOMPARE(BaseOf(mainView()), QColor(0x10, 0x20, 0x30));
        QCOMPARE(ui.UsersList->palette().color(QPalette::Text), QColor(0x10, 0x20, 0x30));

        m_fixture.window->menu().Defaultcolors1->trigger();
        const QPalette desktop = m_fixture.window->palette();
        QCOMPARE(BaseOf(mainView()), desktop.color(QPalette::Base));
        QCOMPARE(BaseOf(ui.UsersList), desktop.color(QPalette::Base));
        QCOMPARE(ui.UsersList->palette().color(QPalette::Text), desktop.color(QPalette::Text));
        QCOMPARE(m_fixture.window->colours().colours().value(MessageColourId(1)), Rgb(255, 0, 255));
    }

    void onlyPickedColoursAreStored()
    {
        // On a dark desktop the navy default is shown lighter; it must still be stored
        // as the default, and the system colours as system colours.
        QApplication::setPalette(DarkPalette());
        TColorsFm* w = openWindow();
        const QColor navyShown = w->swatch(LineColourId(8))->palette().color(QPalette::WindowText);
        QVERIFY(navyShown != QColor(0, 0, 128));
        w->pick(ColourId::UsersListFont);
        QTest::mouseClick(w->OkBtn, Qt::LeftButton);
        m_fixture.restart();
        const QByteArray stored = m_fixture.stored();
        for (const QByteArray& line :
             {"SysStrFont8=" + QByteArray::number(Rgb(0, 0, 128)),
              "ChatBrush=" + QByteArray::number(WindowBackground),
              "UsersListBrush=" + QByteArray::number(WindowBackground),
              "UsersListFont=" + QByteArray::number(Rgb(0x10, 0x20, 0x30))})
            QVERIFY2(stored.contains(line + '\n'), line.constData());
    }

    void desktopPaletteChangeIsFollowed()
    {
        Ui::TMainFm& ui = m_fixture.window->form();
        TColorsFm* w = openWindow();
        QApplication::setPalette(DarkPalette());
        QCOMPARE(BaseOf(mainView()), QColor(0x20, 0x20, 0x20));
        QCOMPARE(BaseOf(ui.reEdit), QColor(0x20, 0x20, 0x20));
        QCOMPARE(ui.Edit3->palette().color(QPalette::Text), QColor(0xEE, 0xEE, 0xEE));
        // The open window's model too, the navy default lightened on the dark panel.
        QCOMPARE(w->swatch(ColourId::ChatBrush)->palette().color(QPalette::Window),
                 QColor(0x20, 0x20, 0x20));
        QVERIFY(w->swatch(LineColourId(8))->palette().color(QPalette::WindowText) !=
                QColor(0, 0, 128));
        // A picked colour stays as picked.
        w->pick(ColourId::SubjectBrush);
        QTest::mouseClick(w->OkBtn, Qt::LeftButton);
        QApplication::setPalette(m_palette);
        QCOMPARE(BaseOf(ui.SubjMemo), QColor(0x10, 0x20, 0x30));
        QCOMPARE(BaseOf(mainView()), m_palette.color(QPalette::Base));
    }

private:
    TColorsFm* openWindow()
    {
        m_fixture.window->menu().Colors1->trigger();
        TColorsFm* w = m_fixture.window->colours().window();
        if (w)
            w->chooseColour = [](const QColor&, QWidget*) { return QColor(0x10, 0x20, 0x30); };
        return w;
    }
    chat::ConversationView* mainView() { return m_fixture.window->tabs().view(0); }

    testing::MainWindowFixture m_fixture;
    QPalette m_palette;
};

QTEST_MAIN(TestColoursWindow)
#include "test_colours_window.moc"
