#pragma once

namespace KavrinGUIToolkit {

/// Dynamic property, set true on a push button that paints several buttons
/// side by side, one style option each, of which one is the chosen one. The
/// widget marks the chosen segment's option with both State_MouseOver and
/// State_HasFocus, and the toolkit's style draws that segment in the skin's
/// dark red with white text, so the choice shows at a glance. Other push
/// buttons keep their usual hover and focus looks.
inline constexpr char SegmentedButtonProperty[] = "KavrinSegmentedButton";

} // namespace KavrinGUIToolkit
