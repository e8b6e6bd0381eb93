#pragma once

#include <QString>

namespace kiv {

/// The message a planner reads when an action failed: the action's own
/// @p text and, on a second line, @p reason, what the file object that failed
/// gave as its cause. Just @p text when there is no reason.
QString failureText(const QString &text, const QString &reason);

} // namespace kiv
