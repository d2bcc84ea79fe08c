#pragma once
// Memory and processor time of a process and every process it started (the
// engines' helper processes): resident and proportional set size from
// /proc/<pid>/smaps_rollup, processor time from /proc/<pid>/stat. For the
// benchmarks only.
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <utility>
#include <vector>

namespace bench {

struct Memory {
    qint64 rssKb = 0;
    qint64 pssKb = 0;
    int processes = 0;
};

inline qint64 parentOf(const QString& pid) {
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray text = stat.readAll();
    // The command name is in parentheses and may hold blanks.
    const qsizetype close = text.lastIndexOf(')');
    const QList<QByteArray> fields = text.mid(close + 2).split(' ');
    return fields.size() > 1 ? fields[1].toLongLong() : -1;
}

inline void addRollup(qint64 pid, Memory& memory) {
    QFile rollup(QStringLiteral("/proc/%1/smaps_rollup").arg(pid));
    if (!rollup.open(QIODevice::ReadOnly))
        return;
    ++memory.processes;
    for (const QByteArray& line : rollup.readAll().split('\n')) {
        const QList<QByteArray> parts = line.simplified().split(' ');
        if (parts.size() < 2)
            continue;
        if (parts[0] == "Rss:")
            memory.rssKb += parts[1].toLongLong();
        else if (parts[0] == "Pss:")
            memory.pssKb += parts[1].toLongLong();
    }
}

// Process root and every descendant, root first.
inline std::vector<qint64> processTree(qint64 root) {
    std::vector<std::pair<qint64, qint64>> all; // pid, parent
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool number = false;
        const qint64 pid = entry.toLongLong(&number);
        if (number)
            all.emplace_back(pid, parentOf(entry));
    }
    std::vector<qint64> tree{root};
    for (std::size_t i = 0; i < tree.size(); ++i)
        for (const auto& [pid, parent] : all)
            if (parent == tree[i])
                tree.push_back(pid);
    return tree;
}

// Process root (this process unless given) and every descendant.
inline Memory treeMemory(qint64 root = QCoreApplication::applicationPid()) {
    Memory memory;
    for (qint64 pid : processTree(root))
        addRollup(pid, memory);
    return memory;
}

// The processor time (user and system) process root and its living
// descendants have used so far, in clock ticks.
inline qint64 treeCpuTicks(qint64 root) {
    qint64 ticks = 0;
    for (qint64 pid : processTree(root)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        // Fields 14 and 15 of the line (utime, stime), counted after the name.
        if (fields.size() > 12)
            ticks += fields[11].toLongLong() + fields[12].toLongLong();
    }
    return ticks;
}

} // namespace bench
