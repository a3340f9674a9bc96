#pragma once
// A file of fixed-size records, read sequentially from a position, as the page files
// are. Failures are reported as values; the file stays where it was.
//
// Reads run ahead of the caller once it reads on without seeking: a page shown after a
// seek costs one record's read, a search through thousands of pages a few large reads.
#include <QByteArray>
#include <QFile>
#include <QString>

namespace platform {

class RecordFile {
public:
    bool open(const QString &nativePath, int recordSize);
    void close();
    bool isOpen() const { return file_.isOpen(); }
    int recordSize() const { return recordSize_; }
    // Whole records in the file (a trailing partial record does not count).
    qint64 count() const;
    bool seek(qint64 record);
    // The record at the current position; advances by one on success.
    bool readNext(QByteArray *record);
    // The same without a copy: the record's bytes, valid until the next call on this
    // file; nullptr at the end.
    const char *next();
    // Number of the record the next read takes.
    qint64 position() const;

private:
    bool nachladen();

    QFile file_;
    int recordSize_ = 1;
    QByteArray puffer_;
    qsizetype gelesen_ = 0;   // bytes of puffer_ read from the file
    qsizetype stelle_ = 0;    // where in puffer_ the next record starts
    qint64 pufferAnfang_ = 0; // the file offset of puffer_[0]
    int vorlauf_ = 1;         // records the next read asks for
};

} // namespace platform
