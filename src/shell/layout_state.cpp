#include "shell/layout_state.h"

#include "settings/settings.h"
#include "settings/switches.h"

#include <algorithm>
#include <limits>

namespace quorvelle::shell {

namespace key = settings::key;

namespace {

// A stored position that is not a number means "centred".
std::optional<int> storedNumber(const settings::Settings& s, const settings::Key& k)
{
    constexpr int missing = std::numeric_limits<int>::min();
    const int value = s.number(k, missing);
    return value == missing ? std::nullopt : std::optional<int>(value);
}

} // namespace

void LayoutState::load(const settings::Settings& s)
{
    subject = {s.flag(key::ViewSubject), s.flag(key::ViewSubjectMin)};
    nick = {s.flag(key::ViewNickName), s.flag(key::ViewNickNameMin)};
    users = {s.flag(key::ViewUsersList), s.flag(key::ViewUsersListMin)};
    leftPlacement = s.flag(key::ViewLeftPlacement);
    subjectHeight = s.number(key::SubjectHeight);
    editBoxHeight = s.number(key::EditBoxHeight);
    usersNickWidth = s.number(key::UsersNickWidth);
    window = QSize(s.number(key::ChatWidth), s.number(key::ChatHeight));
    message = QSize(s.number(key::MessWidth), s.number(key::MessHeight));
    const auto left = storedNumber(s, key::ChatLeft);
    const auto top = storedNumber(s, key::ChatTop);
    position = left && top ? std::optional<QPoint>(QPoint(*left, *top)) : std::nullopt;
}

void LayoutState::save(settings::Settings& s, const settings::Switches& on) const
{
    if (on.SaveState) {
        s.setFlag(key::ViewSubject, subject.shown);
        s.setFlag(key::ViewSubjectMin, subject.minimized);
        s.setFlag(key::ViewNickName, nick.shown);
        s.setFlag(key::ViewNickNameMin, nick.minimized);
        s.setFlag(key::ViewUsersList, users.shown);
        s.setFlag(key::ViewUsersListMin, users.minimized);
        s.setFlag(key::ViewLeftPlacement, leftPlacement);
        s.setNumber(key::SubjectHeight, subjectHeight);
        s.setNumber(key::EditBoxHeight, editBoxHeight);
        s.setNumber(key::UsersNickWidth, usersNickWidth);
    }
    if (on.SaveSize) {
        s.setNumber(key::ChatHeight, window.height());
        s.setNumber(key::ChatWidth, window.width());
        s.setNumber(key::MessHeight, message.height());
        s.setNumber(key::MessWidth, message.width());
    }
    if (on.SavePos && position) {
        s.setNumber(key::ChatLeft, position->x());
        s.setNumber(key::ChatTop, position->y());
    }
}

LayoutGeometry GeometryOf(const LayoutState& s)
{
    LayoutGeometry g;
    g.subjectMinimum = s.nickHeight();
    g.inputMinimum = s.textHeight + 7;
    g.inputHeight = std::max(s.editBoxHeight, g.inputMinimum);

    if (!s.subject.shown)
        g.subject = {BoxShape::Hidden, 0};
    else if (s.subject.minimized)
        g.subject = {BoxShape::Bar, BarHeight};
    else
        g.subject = {BoxShape::Normal, std::max(s.subjectHeight, g.subjectMinimum)};
    g.subjectSplitter = s.subject.normal();

    // The nick box and the users box share the panel. While either is normal the
    // panel keeps its width; once every shown one is minimised it is a strip, and
    // with both closed it is gone.
    const bool wide = s.nick.normal() || s.users.normal();
    const bool gone = !s.nick.shown && !s.users.shown;
    g.panelWidth = gone ? 0 : wide ? std::max(s.usersNickWidth, PanelMinimumWidth) : StripWidth;
    g.panelSplitter = wide;
    g.panelOnLeft = s.leftPlacement;

    if (!s.nick.shown)
        g.nick = {BoxShape::Hidden, 0};
    else if (!s.nick.minimized)
        g.nick = {BoxShape::Normal, s.nickHeight()};
    else if (s.users.normal())
        g.nick = {BoxShape::Bar, BarHeight};
    else
        g.nick = {BoxShape::Column, s.nickHeight()};
    g.nickSpacing = s.nick.shown ? SplitterSize : 0;

    if (!s.users.shown)
        g.users = {BoxShape::Hidden};
    else if (!s.users.minimized)
        g.users = {BoxShape::Normal};
    else // beside a normal nick box at the panel's right edge, else filling the strip
        g.users = {BoxShape::Column, 0, s.nick.normal() ? BoxButtonSize : 0};
    return g;
}

LayoutResult Transition(const LayoutState& state, const LayoutAction& a)
{
    LayoutState s = state;
    bool focus = false;
    switch (a.kind) {
    case LayoutAction::ToggleMinimized:
        // Only a shown box has a minimise button and an enabled menu item.
        if (BoxState& b = s.box(a.box); b.shown) {
            b.minimized = !b.minimized;
            focus = b.minimized;
        }
        break;
    case LayoutAction::ToggleShown: {
        BoxState& b = s.box(a.box);
        b.shown = !b.shown;
        focus = !b.shown;
        break;
    }
    case LayoutAction::LeftPlace:
        s.leftPlacement = !s.leftPlacement;
        break;
    case LayoutAction::DefaultView:
        s.subject = s.nick = s.users = BoxState{};
        s.leftPlacement = false;
        break;
    case LayoutAction::DefaultSizes:
        s.window = QSize(536, 363);
        s.message = QSize(320, 246);
        s.usersNickWidth = 120;
        s.subjectHeight = s.nickHeight();
        s.editBoxHeight = s.textHeight + 7;
        break;
    // A splitter can be dragged only while its handle shows.
    case LayoutAction::SubjectMoved:
        if (s.subject.normal() && a.value > 0)
            s.subjectHeight = a.value;
        break;
    case LayoutAction::PanelMoved:
        if (GeometryOf(s).panelSplitter && a.value > 0)
            s.usersNickWidth = a.value;
        break;
    case LayoutAction::InputMoved:
        if (a.value > 0)
            s.editBoxHeight = a.value;
        break;
    case LayoutAction::MainFont:
        if (a.value > 0) {
            s.textHeight = a.value;
            s.subjectHeight = s.nickHeight();
            s.editBoxHeight = s.textHeight + 7;
        }
        break;
    }
    return {s, GeometryOf(s), focus};
}

std::vector<LayoutAction> StartupActions(const LayoutState& stored)
{
    std::vector<LayoutAction> actions{
        LayoutAction::of(LayoutAction::SubjectMoved, stored.subjectHeight),
        LayoutAction::of(LayoutAction::InputMoved, stored.editBoxHeight),
        LayoutAction::of(LayoutAction::PanelMoved, stored.usersNickWidth),
    };
    constexpr Box boxes[] = {Box::Subject, Box::Nick, Box::Users};
    for (Box b : boxes)
        if (stored.box(b).minimized)
            actions.push_back(LayoutAction::minimize(b));
    for (Box b : boxes)
        if (!stored.box(b).shown)
            actions.push_back(LayoutAction::close(b));
    if (stored.leftPlacement)
        actions.push_back(LayoutAction::of(LayoutAction::LeftPlace));
    return actions;
}

LayoutResult StartUp(const LayoutState& stored)
{
    LayoutState built;
    built.window = stored.window;
    built.position = stored.position;
    built.message = stored.message;
    built = Transition(built, LayoutAction::of(LayoutAction::MainFont, stored.textHeight)).state;
    LayoutResult result{built, GeometryOf(built)};
    for (const LayoutAction& a : StartupActions(stored))
        result = Transition(result.state, a);
    result.focusInputLine = false;
    return result;
}

} // namespace quorvelle::shell
