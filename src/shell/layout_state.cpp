#include "shell/layout_state.h"

#include "settings/settings.h"
#include "settings/switches.h"

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

} // namespace quorvelle::shell
