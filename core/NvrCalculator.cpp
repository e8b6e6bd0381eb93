#include "NvrCalculator.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace {

struct StorageServerRow
{
    const char *name;
    int netInputNumber;
    qint64 bandwidth;
};

// Storage servers are not in the catalogue; they are planned like NVRs. The
// names keep their spelling: task lists store them as the chosen model.
const StorageServerRow kStorageServers[NvrCalculator::StorageServerCount] = {
    {QT_TRANSLATE_NOOP("NvrCalculator", "Torvel Stroage Server"), 64, 131072},
    {QT_TRANSLATE_NOOP("NvrCalculator", "Delvar Stroage Server"), 160, 327680},
};

// Contexts under which a storage-server name may reach calculate(): ours,
// the bare QObject context and the storage calculator's own. Each is tried so
// that a translation made in one of them still finds the row.
const char *const kServerNameContexts[] = {"NvrCalculator", "QObject",
                                           "kiv::StorageCalculatorWidget"};

} // namespace

bool IpcTypeEntry::operator<(const IpcTypeEntry &other) const
{
    if (byBitRate)
        return bitRate > other.bitRate;
    return id < other.id;
}

bool IpcTypeEntry::operator==(const IpcTypeEntry &other) const
{
    return id == other.id && count == other.count;
}

NvrCalculator::NvrCalculator()
{
    loadModels(nullptr);
}

NvrCalculator::NvrCalculator(kiv::TaskDataBase *catalogue)
{
    loadModels(catalogue);
}

NvrCalculator::NvrCalculator(const QList<NvrModel> &catalogueModels)
{
    setCatalogueModels(catalogueModels);
}

bool NvrCalculator::loadModels(kiv::TaskDataBase *catalogue)
{
    if (!catalogue)
        catalogue = kiv::TaskDataBase::GetInstance();
    QList<NvrModel> fresh;
    const bool ok = catalogue->getNVRInfo(fresh);
    setCatalogueModels(fresh);
    return ok;
}

void NvrCalculator::setCatalogueModels(const QList<NvrModel> &catalogueModels)
{
    m_models.assign(catalogueModels.cbegin(), catalogueModels.cend());
    for (size_t i = 0; i < m_models.size(); ++i)
        m_models[i].id = int(i);
    appendStorageServers();
}

void NvrCalculator::appendStorageServers()
{
    m_firstServerRow = int(m_models.size());
    for (int server = 0; server < StorageServerCount; ++server) {
        NvrModel row;
        row.id = int(m_models.size());
        row.name = storageServerName(server);
        row.netInputNumber = kStorageServers[server].netInputNumber;
        row.bandwidth = kStorageServers[server].bandwidth;
        m_models.push_back(row);
    }
}

QString NvrCalculator::storageServerName(int server)
{
    if (server < 0 || server >= StorageServerCount)
        return QString();
    return QCoreApplication::translate("NvrCalculator", kStorageServers[server].name);
}

bool NvrCalculator::isStorageServerName(int server, const QString &name) const
{
    const char *source = kStorageServers[server].name;
    if (name == QLatin1String(source))
        return true;
    for (const char *context : kServerNameContexts) {
        if (name == QCoreApplication::translate(context, source))
            return true;
    }
    return false;
}

bool NvrCalculator::findModelByName(const QString &name, NvrModel &model) const
{
    const NvrModel *found = nullptr;
    for (const NvrModel &row : m_models) {
        if (row.name == name) {
            found = &row;
            break;
        }
    }
    // The storage calculator names a storage server in the interface's
    // language, which need not be the text the table was built with.
    for (int server = 0; !found && server < StorageServerCount; ++server) {
        const size_t row = size_t(m_firstServerRow + server);
        if (row < m_models.size() && isStorageServerName(server, name))
            found = &m_models[row];
    }
    if (!found)
        return false;
    model.id = found->id;
    model.name = found->name;
    model.netInputNumber = found->netInputNumber;
    model.analogInputNumber = found->analogInputNumber;
    model.bandwidth = found->bandwidth;
    return true;
}

bool NvrCalculator::findModelById(int id, NvrModel &model)
{
    for (NvrModel &row : m_models) {
        if (row.id != id)
            continue;
        row.channelLimit = row.netInputNumber;
        model = row;
        return true;
    }
    return false;
}

int NvrCalculator::calculate(const QString &nvrModelName, const std::vector<IpcTypeCount> &cameras)
{
    NvrModel model;
    if (!findModelByName(nvrModelName, model))
        return UnknownModel;

    // A model without channels takes no camera, whatever its bandwidth.
    const bool noChannels = model.netInputNumber <= 0;
    qint64 total = 0;
    bool negativeCount = false;
    bool unsupported = false;
    std::vector<IpcTypeEntry> kept;
    for (size_t i = 0; i < cameras.size(); ++i) {
        const IpcTypeCount &camera = cameras[i];
        if (camera.count < 0)
            negativeCount = true;
        else
            total += camera.count;
        if (camera.bitRate < 0 || camera.bitRate > model.bandwidth ||
            (noChannels && camera.bitRate > 0))
            unsupported = true;
        if (camera.bitRate != 0 && camera.count != 0)
            kept.push_back(IpcTypeEntry{int(i) + 1, camera.bitRate, camera.count, false});
    }
    if (negativeCount || total > MaxCameras)
        return TooManyCameras;
    if (unsupported)
        return UnsupportedBitRate;

    m_allocation.clear();
    m_groups.clear();
    if (kept.empty())
        return 0;

    m_lastModelId = model.id;
    m_lastEntries = kept;
    const int n = allocate(std::move(kept), m_allocation, model.id);

    const std::map<int, NvrState> placed = std::move(m_allocation);
    m_allocation.clear();
    groupResults(placed, m_groups);
    std::stable_sort(m_groups.begin(), m_groups.end());
    return n;
}

int NvrCalculator::allocate(std::vector<IpcTypeEntry> entries, std::map<int, NvrState> &allocation,
                            int modelId)
{
    NvrModel model;
    if (!findModelById(modelId, model))
        return UnknownModel;
    const qint64 maxBandwidth = model.bandwidth;
    const int maxChannels = model.channelLimit;

    for (IpcTypeEntry &entry : entries)
        entry.byBitRate = true;
    // Stable, so types of equal bit rate keep the caller's order.
    std::stable_sort(entries.begin(), entries.end());

    int n = 0;
    std::vector<OpenNvr> open;

    auto openNvr = [&](const IpcTypeEntry &entry, int placed) {
        ++n;
        NvrState &state = allocation[n];
        state.cameras.push_back(IpcTypeEntry{entry.id, entry.bitRate, placed, false});
        state.remainingBandwidth = maxBandwidth - qint64(placed) * entry.bitRate;
        state.remainingChannels = maxChannels - placed;
        if (state.remainingBandwidth > 0 && state.remainingChannels > 0)
            open.push_back(OpenNvr{n, state.remainingBandwidth, state.remainingChannels});
    };

    for (const IpcTypeEntry &entry : entries) {
        const qint64 bitRate = entry.bitRate;
        if (entry.count < 0)
            return TooManyCameras;
        if (bitRate <= 0 || bitRate > maxBandwidth || maxChannels <= 0)
            return UnsupportedBitRate;
        int rest = entry.count;

        // First fit into the NVRs that still have room.
        for (auto it = open.begin(); it != open.end() && rest > 0;) {
            if (it->remainingBandwidth < bitRate) {
                ++it;
                continue;
            }
            const int take = int(std::min<qint64>(
                {it->remainingBandwidth / bitRate, qint64(it->remainingChannels), qint64(rest)}));
            NvrState &state = allocation[it->nvr];
            state.cameras.push_back(IpcTypeEntry{entry.id, entry.bitRate, take, false});
            it->remainingBandwidth -= take * bitRate;
            it->remainingChannels -= take;
            state.remainingBandwidth = it->remainingBandwidth;
            state.remainingChannels = it->remainingChannels;
            rest -= take;
            if (it->remainingBandwidth <= 0 || it->remainingChannels <= 0)
                it = open.erase(it);
            else
                ++it;
        }
        if (rest <= 0)
            continue;

        // New NVRs, as full as bandwidth and channels allow.
        const int perNvr = int(std::min<qint64>(maxBandwidth / bitRate, maxChannels));
        if (perNvr < rest) {
            const int full = rest / perNvr;
            const int remainder = rest % perNvr;
            for (int k = 0; k < full; ++k)
                openNvr(entry, perNvr);
            if (remainder > 0)
                openNvr(entry, remainder);
        } else {
            openNvr(entry, rest);
        }
    }
    return n;
}

qint64 NvrCalculator::capacitySum(std::map<int, NvrCapacity> &models, int bitRate) const
{
    for (const auto &model : models) {
        if (model.second.count < 0)
            return NegativeCount;
    }
    // A rate of nothing would make every NVR take cameras without end.
    if (bitRate <= 0)
        return UnsupportedBitRate;

    qint64 sum = 0;
    for (auto &model : models) {
        const auto row =
            std::find_if(m_models.cbegin(), m_models.cend(),
                         [&](const NvrModel &candidate) { return candidate.id == model.first; });
        if (row == m_models.cend())
            continue;
        NvrCapacity &capacity = model.second;
        if (row->bandwidth < bitRate)
            capacity.flag = -capacity.flag;
        // Extra channels can take the limit below the inputs, never below 0.
        const qint64 channels =
            std::max<qint64>(0, qint64(row->netInputNumber) + capacity.extraChannels);
        const qint64 perNvr = std::max<qint64>(0, std::min(row->bandwidth / bitRate, channels));
        sum += capacity.count * perNvr;
    }
    return sum;
}

void NvrCalculator::groupResults(const std::map<int, NvrState> &allocation,
                                 std::vector<NvrGroup> &groups) const
{
    // Groups by the (id, count) sequence of their cameras, so that finding the
    // first equal group does not walk every group for every NVR.
    using Key = std::vector<std::pair<int, int>>;
    auto keyOf = [](const std::vector<IpcTypeEntry> &cameras) {
        Key key;
        key.reserve(cameras.size());
        for (const IpcTypeEntry &camera : cameras)
            key.emplace_back(camera.id, camera.count);
        return key;
    };
    std::map<Key, size_t> index;
    for (size_t i = 0; i < groups.size(); ++i)
        index.emplace(keyOf(groups[i].cameras), i);

    for (const auto &nvr : allocation) {
        Key key = keyOf(nvr.second.cameras);
        const auto found = index.find(key);
        if (found != index.end()) {
            ++groups[found->second].nvrCount;
            continue;
        }
        index.emplace(std::move(key), groups.size());
        groups.push_back(NvrGroup{1, nvr.second.cameras});
    }
    for (NvrGroup &group : groups) {
        for (IpcTypeEntry &camera : group.cameras)
            camera.byBitRate = false;
        std::stable_sort(group.cameras.begin(), group.cameras.end());
    }
}
