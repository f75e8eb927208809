#pragma once

#include <QObject>
#include <QTemporaryDir>
#include <memory>

class TestStorage : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    // code page and text fields (tst_storage.cpp)
    void codePage_data();
    void codePage();
    void everyByteSurvivesRoundTrip();
    void trimBlanks_data();
    void trimBlanks();
    void writeTextField_data();
    void writeTextField();
    void readTextField_data();
    void readTextField();
    void memberFieldsAtTheirOffsets();
    void receiptFieldsAtTheirOffsets();
    void fullReceiptRoundTrip();
    void wrongRecordSizeIsRejected();
    void fieldsReadInPlaceMatchTheRecord();
    void programFileFollowsProgramFolder();
    void archivePaths_data();
    void archivePaths();

    // record files (tst_recordfile.cpp)
    void openOrCreateMakesEmptyFile();
    void incompleteTrailingRecordIsIgnored();
    void appendGivesNextPosition_data();
    void appendGivesNextPosition();
    void appendOfManyIsAllOrNothing_data();
    void appendOfManyIsAllOrNothing();
    void overwriteKeepsOtherRecords();
    void overwriteAtTheEndNeverAppends();
    void interruptedOverwriteIsCompleted_data();
    void interruptedOverwriteIsCompleted();
    void unusableIntentIsDropped_data();
    void unusableIntentIsDropped();
    void sequentialReadGivesEveryRecordInOrder();
    void scanHandsEveryRecordWithItsPosition();
    void writeDiscardsReadAhead();
    void fileThatCannotBeWrittenIsReported_data();
    void fileThatCannotBeWrittenIsReported();
    void lockHeldElsewhereTimesOut();
    void lockReleasedWhileWaitingLetsWriteThrough();
    void failedWriteReleasesLock();
    void concurrentAppendsKeepEveryRecord();
    void concurrentSavesNeverShareANumber();
    void fileSystemWithoutLocksStillSaves_data();
    void fileSystemWithoutLocksStillSaves();
    void leftoverIntentThatCannotBeRemoved_data();
    void leftoverIntentThatCannotBeRemoved();
    void killedOverwritesLeaveWholeRecords();

    // settings files (tst_inifile.cpp)
    void iniValue_data();
    void iniValue();
    void iniSetExistingKeyKeepsOtherBytes_data();
    void iniSetExistingKeyKeepsOtherBytes();
    void iniNewKeyAndSection_data();
    void iniNewKeyAndSection();
    void iniLoadAndSave();
    void iniWriteFailingHalfWayKeepsOldFile();
    void iniSaveFailureKeepsOldFile();

    // files replaced as a whole (tst_wholefile.cpp)
    void wholeFileFullDiskAtAnyByteKeepsOldFile();
    void wholeFileOverSizeLimitKeepsOldFile();

private:
    QString path(const QString& name) const;

    std::unique_ptr<QTemporaryDir> dir_;
};
