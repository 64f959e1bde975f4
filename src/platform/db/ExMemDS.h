#pragma once

#include "platform/db/DataSet.h"

// A table that lives only in memory: result lists of the statistics and the
// label lists. Fields are declared with AddField before Open; rows keep their
// insertion order. Bookmarks are record ids: the first record of an empty table
// gets -2147483647 and ids are not reused until the table is emptied.
class TExMemoryData : public DataSet {
    Q_OBJECT
public:
    explicit TExMemoryData(QObject *parent = nullptr);
    ~TExMemoryData() override;

    // Removes every record of an open table (a pending edit is posted first);
    // the auto-increment counter carries on. A closed table is left alone.
    void EmptyMemoryTable();

    // Room for this many records, reserved when the first record is added.
    int Capacity() const;
    void SetCapacity(int capacity);

    // Moves to record number n (1..RecordCount); other numbers are ignored. A
    // record hidden by the filter raises "No data found".
    void SetRecNo(int recNo);

protected:
    void InternalOpen() override;
    void InternalClose() override;
    void InternalPost(bool inserting) override;
    void InitNewRecord() override;

private:
    int autoInc_ = 1;
    int capacity_ = 0;
};
