#pragma once

namespace kivui {

/// One hour of a record plan: its record type, 0 no recording, 1 scheduled,
/// 2 event. A plan read from a file may hold other values (-1 for a
/// character that is not a digit); the cell keeps them as they are.
class RecordCell
{
public:
    RecordCell() = default;
    explicit RecordCell(int type) : m_type(type) {}

    int type() const { return m_type; }
    void setType(int type) { m_type = type; }

    bool operator==(int type) const { return m_type == type; }
    bool operator!=(int type) const { return m_type != type; }
    bool operator==(const RecordCell &other) const { return m_type == other.m_type; }
    bool operator!=(const RecordCell &other) const { return m_type != other.m_type; }

private:
    int m_type = 0;
};

} // namespace kivui
