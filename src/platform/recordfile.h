#pragma once
// A file of fixed-size records, read sequentially from a position, as the page files
// are. Failures are reported as values; the file stays where it was.
#include <QByteArray>
#include <QFile>
#include <QString>

namespace platform {

class RecordFile {
public:
    bool open(const QString &nativePath, int recordSize);
    void close();
    bool isOpen() const { return file_.isOpen(); }
    // Whole records in the file (a trailing partial record does not count).
    qint64 count() const;
    bool seek(qint64 record);
    // The record at the current position; advances by one on success.
    bool readNext(QByteArray *record);
    // Number of the record the next read takes.
    qint64 position() const;

private:
    QFile file_;
    int recordSize_ = 1;
};

} // namespace platform
