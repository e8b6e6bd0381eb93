#pragma once

#include "FileStamp.h"

#include <QCoreApplication>
#include <QHash>
#include <QString>
#include <QThread>

#include <optional>

/// What is kept of files between the steps that read them, so that the next
/// step on an unchanged file need not read it again: one value per file path,
/// with the stamp of the file it came from and an estimate of the memory it
/// takes. What is kept is held to a fixed budget of that estimate, however
/// many files are read in turn: the values used longest ago make room for a
/// new one, and one whose estimate alone is over the budget is not kept.
///
/// Used on the GUI thread only, as every file of the program is read there
/// (the one worker thread, the NVR calculation, reads no file), so it takes
/// no lock.
template <typename Value> class BudgetedCache
{
public:
    explicit BudgetedCache(qint64 budget) : m_budget(budget) {}

    /// The value kept for @p path when @p usable takes it and the file is
    /// still the one it was read from, the stamp taken anew; a value whose
    /// file has changed is forgotten. Null otherwise. @p usable is asked
    /// first, so a value that would not do costs no look at the file. A value
    /// found counts as used.
    template <typename Usable> Value *find(const QString &path, Usable usable)
    {
        const auto it = current(path, usable);
        if (it == m_entries.end())
            return nullptr;
        it->lastUse = ++m_uses;
        return &it->value;
    }

    /// A value taken out of the cache, with the stamp of its file.
    struct Taken
    {
        Value value;
        FileStamp stamp;
    };

    /// Takes the value kept for @p path out of the cache, when the file is
    /// still the one it was read from, for a user that may change it: it is
    /// no longer kept, nor counted, until it is kept again.
    std::optional<Taken> take(const QString &path)
    {
        const auto it = current(path, [](const Value &) { return true; });
        if (it == m_entries.end())
            return std::nullopt;
        Taken taken{std::move(it->value), it->stamp};
        remove(it);
        return taken;
    }

    /// Keeps @p value, read from the file at @p path as it stood at @p stamp
    /// and estimated to take @p cost bytes, in place of what was kept for the
    /// path. False, and nothing kept for the path, when the stamp is invalid
    /// or the cost alone is over the budget.
    bool keep(const QString &path, Value value, const FileStamp &stamp, qint64 cost)
    {
        assertGuiThread();
        forget(path);
        if (!stamp.valid || cost > m_budget)
            return false;
        while (m_cost + cost > m_budget)
            remove(oldest());
        m_entries.insert(path, {std::move(value), stamp, cost, ++m_uses});
        m_cost += cost;
        return true;
    }

    /// True when a value is kept for @p path, whether its file has changed
    /// or not.
    bool holds(const QString &path) const { return m_entries.contains(path); }

    void forget(const QString &path)
    {
        assertGuiThread();
        if (const auto it = m_entries.find(path); it != m_entries.end())
            remove(it);
    }

    void forgetAll()
    {
        assertGuiThread();
        m_entries.clear();
        m_cost = 0;
    }

    /// The estimated memory of what is kept at the moment.
    qint64 cost() const { return m_cost; }
    qint64 budget() const { return m_budget; }

private:
    struct Entry
    {
        Value value;
        FileStamp stamp;
        qint64 cost = 0;
        quint64 lastUse = 0;
    };
    using Entries = QHash<QString, Entry>;

    template <typename Usable>
    typename Entries::iterator current(const QString &path, Usable usable)
    {
        assertGuiThread();
        const auto it = m_entries.find(path);
        if (it == m_entries.end() || !usable(std::as_const(it->value)))
            return m_entries.end();
        if (!(it->stamp == stampOf(path))) {
            remove(it);
            return m_entries.end();
        }
        return it;
    }

    static void assertGuiThread()
    {
        Q_ASSERT(!QCoreApplication::instance() ||
                 QThread::currentThread() == QCoreApplication::instance()->thread());
    }

    typename Entries::iterator oldest()
    {
        auto found = m_entries.begin();
        for (auto it = m_entries.begin(); it != m_entries.end(); ++it) {
            if (it->lastUse < found->lastUse)
                found = it;
        }
        return found;
    }

    void remove(typename Entries::iterator it)
    {
        m_cost -= it->cost;
        m_entries.erase(it);
    }

    const qint64 m_budget;
    Entries m_entries;
    qint64 m_cost = 0;
    quint64 m_uses = 0;
};
