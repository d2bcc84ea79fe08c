#include "platform/ini/IniTextReader.h"

#include <QStringDecoder>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

// Closes a file descriptor when it goes out of scope.
class FdCloser {
public:
    explicit FdCloser(int fd) : fd_(fd) {}
    ~FdCloser() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FdCloser(const FdCloser&) = delete;
    FdCloser& operator=(const FdCloser&) = delete;

private:
    int fd_;
};

// Reads a regular file of at most limit bytes; an oversized or growing file
// is seen as too large without reading it all.
IniReadStatus readBounded(const QString& path, qint64 limit, QByteArray* bytes) {
    const QByteArray name = path.toLocal8Bit();
    if (name.isEmpty())
        return IniReadStatus::CannotOpen;
    // Non-blocking, so that opening a pipe without a writer does not wait.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0)
        return IniReadStatus::CannotOpen;
    const FdCloser closer(fd);
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode))
        return IniReadStatus::CannotOpen;
    if (info.st_size > limit)
        return IniReadStatus::TooLarge;
    // Read in chunks up to one byte past the limit: memory follows the
    // file's real size, and a file that grows while read is still caught.
    bytes->clear();
    bytes->reserve(qsizetype(info.st_size));
    char chunk[64 * 1024];
    while (bytes->size() <= limit) {
        const ssize_t n = ::read(fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return IniReadStatus::CannotOpen;
        if (n == 0)
            break;
        bytes->append(chunk, qsizetype(n));
    }
    if (bytes->size() > limit)
        return IniReadStatus::TooLarge;
    return IniReadStatus::Ok;
}

bool startsWith(const QByteArray& bytes, const char* mark, int length) {
    return bytes.size() >= length && bytes.first(length) == QByteArrayView(mark, length);
}

} // namespace

IniReadStatus IniTextReader::open(const QString& path) {
    text_.clear();
    pos_ = 0;
    skipped_ = 0;
    QByteArray bytes;
    const IniReadStatus status = readBounded(path, kMaxIniFileSize, &bytes);
    if (status != IniReadStatus::Ok)
        return status;
    return setContent(bytes);
}

IniReadStatus IniTextReader::setContent(const QByteArray& bytes) {
    text_.clear();
    pos_ = 0;
    skipped_ = 0;
    if (bytes.size() > kMaxIniFileSize)
        return IniReadStatus::TooLarge;
    QString text = decode(bytes);
    if (text.contains(QChar(0)))
        return IniReadStatus::NotText;
    text_ = std::move(text);
    return IniReadStatus::Ok;
}

QString IniTextReader::decode(const QByteArray& bytes) {
    if (startsWith(bytes, "\xEF\xBB\xBF", 3))
        return QString::fromUtf8(bytes.sliced(3));
    if (startsWith(bytes, "\xFF\xFE", 2)) {
        QStringDecoder utf16(QStringDecoder::Utf16LE);
        return utf16(QByteArrayView(bytes).sliced(2));
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    return QString::fromLatin1(bytes);
}

bool IniTextReader::nextLine(QString* line) {
    const qsizetype size = text_.size();
    while (pos_ < size) {
        qsizetype end = pos_;
        while (end < size && text_[end] != u'\n' && text_[end] != u'\r')
            ++end;
        const qsizetype start = pos_;
        pos_ = end;
        if (pos_ < size && text_[pos_] == u'\r')
            ++pos_;
        if (pos_ < size && text_[pos_] == u'\n')
            ++pos_;
        if (end - start > kMaxIniLineLength) {
            ++skipped_;
            continue;
        }
        const QString trimmed = QStringView(text_).sliced(start, end - start).trimmed().toString();
        if (trimmed.isEmpty() || trimmed.front() == u';')
            continue;
        *line = trimmed;
        return true;
    }
    return false;
}

bool IniTextReader::splitKeyValue(const QString& line, QString* key, QString* value) {
    const qsizetype at = line.indexOf(u'=');
    if (at < 1)
        return false;
    *key = line.first(at);
    *value = line.sliced(at + 1);
    return true;
}

} // namespace platform
