#pragma once

// A full disk for one process: while a FileSizeLimit lives, no file the
// process writes can grow past a given size, whoever runs the test (root
// writes into read-only folders, but not past this limit).

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit
{
public:
    /// Files cannot grow past @p bytes; a write beyond gets EFBIG instead of
    /// the signal that would end the process.
    explicit FileSizeLimit(rlim_t bytes = 16)
    {
        m_handler = std::signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &m_before);
        rlimit limited = m_before;
        limited.rlim_cur = bytes;
        m_active = setrlimit(RLIMIT_FSIZE, &limited) == 0;
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &m_before);
        std::signal(SIGXFSZ, m_handler);
    }
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

    bool isActive() const { return m_active; }

private:
    rlimit m_before{};
    void (*m_handler)(int) = nullptr;
    bool m_active = false;
};
