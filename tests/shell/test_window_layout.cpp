#include "chat/chat_session.h"
#include "settings/program_info.h"
#include "shell/about_window.h"
#include "shell/main_menu.h"
#include "shell/main_window_fixture.h"
#include "shell/window_layout.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QTest>
#include <QToolButton>

using namespace quorvelle;
using namespace quorvelle::shell;
using namespace Qt::Literals::StringLiterals;

class TestWindowLayout : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_fixture.start());
        show();
    }

    void cleanup()
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<TAboutFm*>(w))
                delete w;
        m_fixture.stop();
    }

    void boxesFollowTheirButtonsAndMenu_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<int>("panelWidth"); // -1: the remembered width
        QTest::newRow("nothing") << u""_s << -1;
        QTest::newRow("subject to a bar") << u"SubjMin"_s << -1;
        QTest::newRow("subject closed") << u"SubjClose"_s << -1;
        QTest::newRow("nick to a bar beside the users") << u"NickMin"_s << -1;
        QTest::newRow("users to a column beside the nick") << u"UsersMin"_s << -1;
        QTest::newRow("both minimised: a strip") << u"NickMin UsersMin"_s << StripWidth;
        QTest::newRow("both closed: no panel") << u"NickClose UsersClose"_s << 0;
        QTest::newRow("reopening one brings the width back")
            << u"NickClose UsersClose MnUsers"_s << -1;
        QTest::newRow("reopened minimised") << u"SubjMin SubjClose MnSubj"_s << -1;
        QTest::newRow("through the menu") << u"MnNickMin MnUsersMin"_s << StripWidth;
        QTest::newRow("left placement") << u"LeftPlace"_s << -1;
    }

    void boxesFollowTheirButtonsAndMenu()
    {
        QFETCH(QString, steps);
        QFETCH(int, panelWidth);
        run(steps);
        if (QTest::currentTestFailed())
            return;
        Ui::TMainFm& ui = m_fixture.window->form();
        WindowLayout& layout = m_fixture.window->windowLayout();
        const LayoutState& s = layout.state();
        const LayoutGeometry g = GeometryOf(s);
        QCOMPARE(layout.geometry(), g);
        if (panelWidth < 0)
            panelWidth = s.usersNickWidth;
        QCOMPARE(g.panelWidth, panelWidth);

        QCOMPARE(ui.UsersNickPanel->isVisible(), panelWidth > 0);
        if (panelWidth > 0) {
            QCOMPARE(ui.UsersNickPanel->width(), panelWidth);
            const bool panelLeft = ui.UsersNickPanel->x() < ui.SubjSplit->x();
            QCOMPARE(panelLeft, s.leftPlacement);
        }
        // The boxes, their buttons' glyphs and their View items.
        struct
        {
            Box box;
            QGroupBox* group;
            QWidget* content;
            const char* shown;
            const char* minimized;
        } boxes[] = {{Box::Subject, ui.SubjBox, ui.SubjMemo, "MnSubj", "MnSubjMin"},
                     {Box::Nick, ui.NickBox, ui.Edit3, "MnNick", "MnNickMin"},
                     {Box::Users, ui.UsersBox, ui.UsersList, "MnUsers", "MnUsersMin"}};
        for (const auto& b : boxes) {
            const BoxState& state = s.box(b.box);
            const BoxGeometry& box = b.box == Box::Subject ? g.subject
                                     : b.box == Box::Nick  ? g.nick
                                                           : g.users;
            const QString where = QString::fromLatin1(b.shown);
            QVERIFY2(b.group->isVisible() == state.shown, qPrintable(where));
            QVERIFY2(b.content->isVisible() == state.normal(), qPrintable(where));
            QCOMPARE(menuItem(where)->isChecked(), state.shown);
            QCOMPARE(menuItem(QString::fromLatin1(b.minimized))->isChecked(), state.minimized);
            QCOMPARE(menuItem(QString::fromLatin1(b.minimized))->isEnabled(), state.shown);
            if (box.shape == BoxShape::Bar)
                QCOMPARE(b.group->height(), BarHeight);
            if (b.box == Box::Nick && state.shown)
                QCOMPARE(b.group->height(), box.height);
            if (b.box == Box::Users && box.width > 0)
                QCOMPARE(b.group->width(), box.width);
            // A minimised box shows the restore glyph, a normal one the minimise glyph.
            QCOMPARE(layout.minimizeButton(b.box)->text(),
                     state.minimized ? u"\u25A1"_s : u"\u2013"_s);
            if (state.shown) {
                QVERIFY(layout.minimizeButton(b.box)->isVisible());
                QVERIFY(layout.closeButton(b.box)->isVisible());
                QVERIFY(b.group->rect().contains(layout.closeButton(b.box)->geometry()));
            }
        }
        QCOMPARE(menuItem(u"LeftPlace"_s)->isChecked(), s.leftPlacement);
        if (s.subject.normal())
            QCOMPARE(ui.SubjBox->height(), g.subject.height);
    }

    void minimisingOrClosingTakesTheFocusAway()
    {
        WindowLayout& layout = m_fixture.window->windowLayout();
        QSignalSpy focus(&layout, &WindowLayout::focusInputLine);
        run(u"NickMin"_s);
        QCOMPARE(focus.size(), 1);
        run(u"NickMin SubjClose MnSubj"_s); // restoring and reopening leave it be
        QCOMPARE(focus.size(), 2);
    }

    void defaultViewAndSizes()
    {
        Ui::TMainFm& ui = m_fixture.window->form();
        WindowLayout& layout = m_fixture.window->windowLayout();
        m_fixture.window->session().OpenForUser(u"Bob"_s);
        QCOMPARE(m_fixture.window->session().conversations().currentName(), u"Bob"_s);
        run(u"SubjClose NickMin UsersClose LeftPlace"_s);
        m_fixture.window->resize(700, 500);
        run(u"DefaultState1"_s);
        const LayoutState& s = layout.state();
        for (Box b : {Box::Subject, Box::Nick, Box::Users})
            QVERIFY(s.box(b).normal());
        QVERIFY(!s.leftPlacement);
        QCOMPARE(m_fixture.window->session().conversations().current(), 0);
        QVERIFY(ui.UsersNickPanel->x() > ui.SubjSplit->x());
        QCOMPARE(m_fixture.window->size(), QSize(700, 500)); // the view, not the sizes

        run(u"DefaultSize1"_s);
        QCOMPARE(m_fixture.window->size(), QSize(536, 363));
        QCOMPARE(ui.UsersNickPanel->width(), 120);
        QCOMPARE(ui.SubjBox->height(), s.nickHeight());
        QCOMPARE(layout.state().usersNickWidth, 120);
    }

    void layoutSurvivesARestart_data()
    {
        QTest::addColumn<bool>("saveState");
        QTest::addColumn<bool>("saveSize");
        QTest::newRow("everything saved") << true << true;
        QTest::newRow("state not saved") << false << true;
        QTest::newRow("size not saved") << true << false;
    }

    void layoutSurvivesARestart()
    {
        QFETCH(bool, saveState);
        QFETCH(bool, saveSize);
        const LayoutState before = m_fixture.window->windowLayout().state();
        const QSize sizeBefore = m_fixture.window->size();
        run(u"SubjMin NickClose UsersMin LeftPlace"_s);
        m_fixture.window->resize(640, 480);
        settle();
        const LayoutState changed = m_fixture.window->windowLayout().state();
        MainMenu& menu = m_fixture.window->menu();
        menu.item(&settings::Switches::SaveState)->setChecked(saveState);
        menu.item(&settings::Switches::SaveSize)->setChecked(saveSize);

        m_fixture.restart();
        show();
        const LayoutState& after = m_fixture.window->windowLayout().state();
        const LayoutState& boxes = saveState ? changed : before;
        for (Box b : {Box::Subject, Box::Nick, Box::Users})
            QCOMPARE(after.box(b), boxes.box(b));
        QCOMPARE(after.leftPlacement, boxes.leftPlacement);
        QCOMPARE(m_fixture.window->size(), saveSize ? QSize(640, 480) : sizeBefore);
        // The switches themselves are always stored.
        QCOMPARE(m_fixture.window->menu().item(&settings::Switches::SaveState)->isChecked(),
                 saveState);
        QCOMPARE(m_fixture.window->menu().item(&settings::Switches::SaveSize)->isChecked(),
                 saveSize);
        QCOMPARE(m_fixture.window->windowLayout().geometry(), GeometryOf(after));
        QCOMPARE(m_fixture.window->form().UsersNickPanel->width(),
                 saveState ? StripWidth : after.usersNickWidth);
    }

    void aboutWindowOpensOnce()
    {
        QAction* about = m_fixture.window->menu().About1;
        about->trigger();
        about->trigger();
        QList<TAboutFm*> open;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* a = qobject_cast<TAboutFm*>(w); a && a->isVisible())
                open << a;
        QCOMPARE(open.size(), 1);
        QVERIFY(open[0]->Title->text().contains(settings::GetVersionText()));
        QTest::keyClick(open[0], Qt::Key_Escape);
        QVERIFY(!open[0]->isVisible());
    }

private:
    void show()
    {
        m_fixture.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_fixture.window.get()));
        settle();
    }

    void settle()
    {
        // Layouts are redone by posted requests; a few rounds reach the innermost.
        for (int i = 0; i < 4; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
            QCoreApplication::processEvents();
        }
    }

    // Steps, separated by spaces: a button (SubjMin, NickClose, ...) is clicked, a menu
    // item (MnUsers, LeftPlace, ...) is triggered.
    void run(const QString& steps)
    {
        for (const QString& step : steps.split(u' ', Qt::SkipEmptyParts)) {
            if (auto* button = m_fixture.window->findChild<QToolButton*>(step)) {
                QVERIFY2(button->isVisible(), qPrintable(step));
                QTest::mouseClick(button, Qt::LeftButton);
            } else if (QAction* item = menuItem(step)) {
                QVERIFY2(item->isEnabled(), qPrintable(step));
                item->trigger();
            } else {
                QFAIL(qPrintable(u"no step "_s + step));
            }
            settle();
        }
    }

    QAction* menuItem(const QString& name) { return m_fixture.window->findChild<QAction*>(name); }

    testing::MainWindowFixture m_fixture;
};

QTEST_MAIN(TestWindowLayout)
#include "test_window_layout.moc"
