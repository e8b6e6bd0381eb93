#pragma once

#include "KavrinGUIToolkitExport.h"

#include <QValidator>

namespace KavrinGUIToolkit {

/// Decimal integers in [bottom, top]. Unlike QIntValidator it refuses, while
/// typing, every text that no further typing can bring into the range ("0"
/// or "5000" in a 1 to 1000 field); a prefix that can still grow into the
/// range ("3" in a 32 to 16384 field) stays Intermediate, and IsAcceptable()
/// tells callers whether the text may be used.
class KAVRIN_EXPORT CIntValidator : public QValidator
{
    Q_OBJECT
public:
    CIntValidator(int bottom, int top, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
    void fixup(QString &input) const override;

    int bottom() const { return m_bottom; }
    int top() const { return m_top; }
    void setRange(int bottom, int top);
    /// True when @p text is a decimal integer within the range.
    bool IsAcceptable(const QString &text) const;

private:
    bool canGrowIntoRange(const QString &digits, bool negative) const;

    int m_bottom;
    int m_top;
};

/// Free text of at most @p maxLength characters without control characters.
class KAVRIN_EXPORT CRegExpValidator : public QValidator
{
    Q_OBJECT
public:
    explicit CRegExpValidator(int maxLength, QObject *parent = nullptr);

    State validate(QString &input, int &pos) const override;
    int maxLength() const { return m_maxLength; }

private:
    int m_maxLength;
};

} // namespace KavrinGUIToolkit
