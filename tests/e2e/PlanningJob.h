#pragma once

#include "JobStage.h"

/// The planning job made from an empty program folder, through the main
/// window's widgets, step by step as a planner makes it: a task and its
/// devices picked by filter and keyword, a second task from an industry
/// solution, a count edited in the list, streams, record plans and
/// accessories, every calculator, the report and its two files, and the
/// program closed. The files are saved into @p outFolder.
class PlanningJob : public JobStage
{
    Q_OBJECT
public:
    PlanningJob(int language, const QString &outFolder, QObject *parent = nullptr);
    ~PlanningJob() override;
    Q_DISABLE_COPY_MOVE(PlanningJob)

private slots:
    void createTheTask();
    void addTwoCamerasADomeAndADvr();
    void createATaskFromASolution();
    void changeACountInTheList();
    void editTheStreams();
    void paintAndCopyTheRecordPlan();
    void addABracketAShieldAndALens();
    void calculateStorageOnTheNvrPath();
    void calculateStorageOnTheCvrPathWithRaid5();
    void calculateTheBandwidth();
    void calculateStreamServersAndClients();
    void openTheReport();
    void saveTheReportAsPdf();
    void saveTheReportAsAWorkbook();
    void closeTheProgram();

private:
    /// Opens the report, saves it with @p button into the out folder as
    /// @p name, and gives the path of the file written.
    QString saveReport(const char *button, const QString &name, const QString &extension);

    const QString m_outFolder;
};
