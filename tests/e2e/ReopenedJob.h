#pragma once

#include "JobStage.h"

/// The program started again on the folder of a finished planning job, in
/// the language it was made in: every task, device, stream, record plan,
/// accessory and stored result is found as it was left.
class ReopenedJob : public JobStage
{
    Q_OBJECT
public:
    explicit ReopenedJob(int language, QObject *parent = nullptr);
    ~ReopenedJob() override;
    Q_DISABLE_COPY_MOVE(ReopenedJob)

private slots:
    void bothTasksAreListed();
    void everyDeviceIsAsItWas();
    void everyStreamIsAsItWas();
    void everyRecordPlanIsAsItWas();
    void everyAccessoryIsAsItWas();
    void theStoredResultsAreShown();
    void theSolutionTaskIsAsItWas();
};

/// The folder of a planning job made in one language, opened by the program
/// in the other: the devices, streams, plans and stored results are shown as
/// made, and each calculator, pressed again, comes to the same figures.
class JobInTheOtherLanguage : public JobStage
{
    Q_OBJECT
public:
    explicit JobInTheOtherLanguage(int language, QObject *parent = nullptr);
    ~JobInTheOtherLanguage() override;
    Q_DISABLE_COPY_MOVE(JobInTheOtherLanguage)

private slots:
    void theTaskAndItsStoredResultsAreShown();
    void storageComesToTheSameFigures();
    void bandwidthComesToTheSameFigures();
    void serversAndClientsComeToTheSameFigures();
};
