// The save's steps against a fake file system that fails as Windows documents:
// after every failure the file holds its old bytes or the new (at the first
// save, none yet) and nothing is left beside it; where no file can be made
// beside it, the file is written in place.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/atomic_file.h"

namespace velk {
namespace {

enum class Step { Create, Write, Flush, Close, Replace, Nothing };
// What a failed replacement leaves, as ReplaceFileW documents it.
enum class Left { BothNamesKept, OldUnderBackup, TargetRemoved };

struct Failure {
    Step step = Step::Nothing;
    FileError error = FileError::None;
    int times = 99;  // how many tries fail
    Left left = Left::BothNamesKept;
};

// A folder of files that fails as told. It refuses what a real file system
// refuses: moving a file still open, renaming onto a name in use; and it
// counts only flushed bytes as being on the disk.
class FakeDisk : public FileSteps {
public:
    explicit FakeDisk(Failure failure) : failure_(failure) {}
    std::map<std::wstring, std::string> files;  // what is on the disk
    int pauses = 0;

    FileError CreateTemporary(const std::wstring& target, std::wstring* temporary, std::wstring* backup) override {
        open_ = target.substr(0, target.find_last_of(L'\\') + 1) + L"vlk1.tmp";
        *temporary = open_;
        *backup = open_ + L".bak";
        if (!Fails(Step::Create)) files[open_] = "";
        return Result(Step::Create);
    }
    FileError Write(std::string_view bytes) override {
        cache_ = Fails(Step::Write) ? bytes.substr(0, bytes.size() / 2) : bytes;  // stopped midway
        return Result(Step::Write);
    }
    FileError Flush() override {
        if (!Fails(Step::Flush)) files[open_] = cache_;
        return Result(Step::Flush);
    }
    FileError Close() override {
        open_.clear();
        return Result(Step::Close);
    }
    FileError Replace(const std::wstring& temporary, const std::wstring& target, const std::wstring& backup) override {
        if (!open_.empty()) ADD_FAILURE() << "the temporary file is moved while still open";
        if (++replaces_ > failure_.times || !Fails(Step::Replace)) {
            if (files.contains(target)) Rename(target, backup);
            Rename(temporary, target);
            return FileError::None;
        }
        if (failure_.left == Left::OldUnderBackup) Rename(target, backup);
        if (failure_.left == Left::TargetRemoved) files.erase(target);
        return failure_.error;
    }
    FileError Move(const std::wstring& from, const std::wstring& to) override {
        if (!files.contains(from) || files.contains(to)) return FileError::AccessDenied;
        Rename(from, to);
        return FileError::None;
    }
    bool Exists(const std::wstring& path) override { return files.contains(path); }
    void Delete(const std::wstring& path) override { files.erase(path); }
    void Pause() override { ++pauses; }
    bool WriteInPlace(const std::wstring& target, std::string_view bytes) override {
        if (!files.contains(target)) return false;
        files[target] = bytes;
        return true;
    }

private:
    bool Fails(Step step) const { return failure_.step == step; }
    FileError Result(Step step) const { return Fails(step) ? failure_.error : FileError::None; }
    void Rename(const std::wstring& from, const std::wstring& to) { files[to] = files.extract(from).mapped(); }

    Failure failure_;
    int replaces_ = 0;
    std::wstring open_;
    std::string cache_;  // written but not yet flushed
};

TEST(AtomicFile, AfterEveryFailureTheFileHoldsItsOldBytesOrTheNewAndNothingIsLeftBeside) {
    using enum FileError;
    using enum Left;
    using Step::Create, Step::Write, Step::Flush, Step::Close, Step::Replace;
    const auto diskFull = static_cast<FileError>(112);
    const auto badParameter = static_cast<FileError>(87);
    const struct {
        Failure failure;
        FileError error;
        bool holdsNew;
        int pauses;
        bool existed = true;  // false: the first save
    } cases[] = {
        {{Create, AccessDenied}, None, true, 0},  // no file can be made beside it: written in place
        {{Write, diskFull}, diskFull, false, 0},
        {{Flush, diskFull}, diskFull, false, 0},
        {{Close, diskFull}, diskFull, false, 0},
        {{Replace, UnableToRemoveReplaced}, UnableToRemoveReplaced, false, kReplacePauses},
        {{Replace, UnableToMoveReplacement}, UnableToMoveReplacement, false, 0},  // with the backup
        {{Replace, UnableToMoveReplacement2, 99, OldUnderBackup}, UnableToMoveReplacement2, false, 0},
        {{Replace, UnableToMoveReplacement, 99, TargetRemoved}, UnableToMoveReplacement, true, 0},  // as without
        {{Replace, SharingViolation, 3}, None, true, 3},  // a scanner's moment
        {{Replace, SharingViolation}, SharingViolation, false, kReplacePauses},
        {{Replace, AccessDenied}, AccessDenied, false, kReplacePauses},
        {{Replace, badParameter}, badParameter, false, 0},
        {{}, None, true, 0},
        {{}, None, true, 0, false},
        {{Write, diskFull}, diskFull, false, 0, false},
        {{Create, AccessDenied}, AccessDenied, false, 0, false},  // nor written in place
    };
    const std::wstring target = L"C:\\VELK\\velk.ini";
    const std::string before = "4\r\n0\r\n100\r\n";
    // Every byte counts: a NUL, a Polish letter, the line ends.
    const std::string after("4\r\n1\r\n\0\xB9\xEA\r\n", 12);
    for (const auto& example : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&example - cases));
        FakeDisk disk(example.failure);
        if (example.existed) disk.files[target] = before;
        EXPECT_EQ(SaveAtomically(disk, target, after), example.error);
        std::map<std::wstring, std::string> left;
        if (example.holdsNew || example.existed) left[target] = example.holdsNew ? after : before;
        EXPECT_EQ(disk.files, left);
        EXPECT_EQ(disk.pauses, example.pauses);
    }
}

}  // namespace
}  // namespace velk
