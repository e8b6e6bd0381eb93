#pragma once

#include "TaskDataBase.h"

#include <QList>
#include <QString>

#include <map>
#include <vector>

/// One camera type handed in by the caller.
struct IpcTypeCount
{
    /// Kbps of one camera.
    int bitRate = 0;
    /// Number of such cameras.
    int count = 0;
};

/// A camera type inside the calculation.
struct IpcTypeEntry
{
    /// The type's 1-based position in the caller's list.
    int id = 0;
    int bitRate = 0;
    int count = 0;
    /// Selects the ordering of operator<.
    bool byBitRate = false;

    /// With byBitRate set on the left operand: the higher bit rate first;
    /// otherwise the smaller id first.
    bool operator<(const IpcTypeEntry &other) const;
    /// Same id and count; the bit rate is not compared.
    bool operator==(const IpcTypeEntry &other) const;
};

/// What one NVR holds after the allocation.
struct NvrState
{
    /// One entry per camera type placed on it, count = cameras placed.
    std::vector<IpcTypeEntry> cameras;
    qint64 remainingBandwidth = 0;
    int remainingChannels = 0;
};

/// An NVR that can still take cameras: both remainders above 0.
struct OpenNvr
{
    int nvr = 0;
    qint64 remainingBandwidth = 0;
    int remainingChannels = 0;
};

/// One line of the grouped summary: NVRs that hold the same cameras.
struct NvrGroup
{
    int nvrCount = 0;
    std::vector<IpcTypeEntry> cameras;

    /// Fewer NVRs first.
    bool operator<(const NvrGroup &other) const { return nvrCount < other.nvrCount; }
};

/// What capacitySum() reads of one model of the table, and the mark it
/// leaves on it.
struct NvrCapacity
{
    /// Channels one NVR of the model has on top of its network inputs.
    int extraChannels = 0;
    /// NVRs of the model counted in.
    int count = 0;
    /// Set by the caller, for example 1 for every model; capacitySum()
    /// negates it (1 becomes -1) when the model's bandwidth is below the bit
    /// rate, so that a model too small for one such camera comes back marked.
    int flag = 0;
};

/// Packs a task's camera types into NVRs of one model, limited by the model's
/// incoming bandwidth and its network channels, first fit by falling bit
/// rate. The model table is the catalogue's NVR models followed by the two
/// fixed storage servers; each calculator holds its own table and the state
/// of its last calculation. Only the constructors and loadModels() read the
/// catalogue (on the GUI thread); calculate() reads the table alone, so a
/// calculation on a worker thread shares nothing with the GUI thread.
///
/// The same input always gives the same answer: camera types of equal bit
/// rate keep their list order.
class NvrCalculator
{
public:
    /// Failure codes of calculate(), checked in the order UnknownModel,
    /// TooManyCameras, UnsupportedBitRate; and of capacitySum().
    enum Failure {
        /// The cameras add up to more than MaxCameras, or a count is negative.
        TooManyCameras = -1,
        /// A camera type the model cannot take: its bit rate is above the
        /// model's bandwidth or negative, or the model has no channel.
        UnsupportedBitRate = -2,
        /// No model of that name.
        UnknownModel = -3,
        /// capacitySum(): a model counted a negative number of times.
        NegativeCount = -4
    };
    static constexpr qint64 MaxCameras = 1000000;

    /// The two fixed storage-server rows that follow the catalogue's models.
    enum StorageServer { TorvelStorageServer = 0, DelvarStorageServer = 1, StorageServerCount };

    /// Loads the table from the process-wide catalogue.
    NvrCalculator();
    /// Loads the table from @p catalogue (the process-wide one when null).
    explicit NvrCalculator(kiv::TaskDataBase *catalogue);
    /// Uses @p catalogueModels as the catalogue's rows.
    explicit NvrCalculator(const QList<NvrModel> &catalogueModels);
    ~NvrCalculator() = default;

    /// The number of NVRs of the model named @p nvrModelName that take
    /// @p cameras, or a Failure code. 0 when no camera type has both a bit
    /// rate and a count.
    int calculate(const QString &nvrModelName, const std::vector<IpcTypeCount> &cameras);

    /// Rebuilds the table from @p catalogue (the process-wide one when null).
    /// A failing query leaves the catalogue's part as far as it got; the
    /// answer of the query is returned.
    bool loadModels(kiv::TaskDataBase *catalogue = nullptr);
    /// Rebuilds the table from @p catalogueModels; each row's id becomes its
    /// position.
    void setCatalogueModels(const QList<NvrModel> &catalogueModels);

    /// The first row named @p name exactly. A storage server is also found by
    /// its untranslated name and by its name in any language the interface
    /// shows it in. Copies the row into @p model.
    bool findModelByName(const QString &name, NvrModel &model) const;
    /// The row with @p id; sets its channelLimit (in the table and the copy)
    /// to its network inputs.
    bool findModelById(int id, NvrModel &model);

    /// Places @p entries on NVRs of the model @p modelId, numbered from 1 in
    /// the order opened, into @p allocation. Returns the number of NVRs, or
    /// UnknownModel or UnsupportedBitRate for entries the model cannot take.
    int allocate(std::vector<IpcTypeEntry> entries, std::map<int, NvrState> &allocation,
                 int modelId);
    /// Groups the NVRs of @p allocation that hold the same cameras, in order
    /// of first appearance; each group's cameras sorted by id.
    void groupResults(const std::map<int, NvrState> &allocation,
                      std::vector<NvrGroup> &groups) const;

    /// The cameras of @p bitRate Kbps each that the NVRs of @p models take
    /// in all. @p models goes from a model id of the table to what is counted
    /// of that model: each adds its count times the cameras one of its NVRs
    /// takes at that rate, which is its bandwidth (Kbps) / @p bitRate in whole
    /// cameras, at most its network inputs plus its extra channels (so one
    /// camera when the bit rate equals the bandwidth, none on an NVR left
    /// without a channel). A model whose bandwidth is below the bit rate
    /// takes none and gets its flag negated; an id the table does not have
    /// adds nothing and keeps its flag. NegativeCount for a negative count
    /// and UnsupportedBitRate for a bit rate of 0 or less, with no flag
    /// touched.
    qint64 capacitySum(std::map<int, NvrCapacity> &models, int bitRate) const;

    /// The model table.
    const std::vector<NvrModel> &models() const { return m_models; }
    /// The grouped summary of the last calculation, fewest NVRs first.
    const std::vector<NvrGroup> &groups() const { return m_groups; }

    /// The translated name of a fixed storage server; empty for another index.
    /// The storage calculator lists these names.
    static QString storageServerName(int server);

private:
    bool isStorageServerName(int server, const QString &name) const;
    void appendStorageServers();

    std::vector<NvrModel> m_models;
    // Index of the first fixed storage-server row in m_models.
    int m_firstServerRow = 0;

    // State of the last calculation.
    int m_lastModelId = -1;
    std::vector<IpcTypeEntry> m_lastEntries;
    std::map<int, NvrState> m_allocation;
    std::vector<NvrGroup> m_groups;
};
