#pragma once

#include <QMetaType>
#include <Qt>

namespace KavrinGUIToolkit {

/// Item-data roles read by the toolkit's views and delegates.
enum CItemDataRole {
    /// No icon was hit.
    NoIconRole = 0,
    /// A QStringList: the cell is edited by choosing one of these texts.
    ComboBoxItemsRole = 142,
    /// An int: the most characters the cell's editor takes.
    EditMaxLengthRole = 153,
    /// Header data, true: the section draws a check box whose state is the
    /// section's Qt::CheckStateRole.
    HeaderCheckBoxRole = 162,
    /// Pixmaps drawn in the cell, first to third icon. A click on one is
    /// reported with its role.
    FirstIconRole = 212,
    SecondIconRole = 213,
    ThirdIconRole = 214,
};

} // namespace KavrinGUIToolkit

Q_DECLARE_METATYPE(KavrinGUIToolkit::CItemDataRole)
