#pragma once

#include <BaseDialog.h>

#include <memory>

namespace Ui {
class CDlgAboutClass;
}

namespace kiv {

/// The About box: the program's icon, name and version with its build
/// number.
class CDlgAbout : public KavrinGUIToolkit::CBaseDialog
{
    Q_OBJECT
public:
    explicit CDlgAbout(QWidget *parent = nullptr);
    ~CDlgAbout() override;
    Q_DISABLE_COPY_MOVE(CDlgAbout)

    /// The date this program was compiled on, as the digits yyyymmdd.
    static unsigned int getBuildNumber();
    /// The same from a compiler date stamp such as "May 20 2014" or
    /// "Jan  5 2015"; 0 for a stamp of another form.
    static unsigned int buildNumberFromDate(const QString &stamp);

private:
    const std::unique_ptr<Ui::CDlgAboutClass> m_form;
};

} // namespace kiv
