// The save's steps against a fake file system: a failure at any step leaves
// the old file whole and no temporary file behind; success writes exactly
// the bytes, flushed and closed before the file takes the old one's place;
// where no file can be made beside it, the file is written in place.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "core/atomic_file.h"

namespace velk {
namespace {

enum class Step { Create, Write, Flush, Close, Replace, Delete, InPlace, None };

const char* Name(Step step) {
    static const char* const kNames[] = {"Create", "Write", "Flush", "Close", "Replace", "Delete", "InPlace", "None"};
    return kNames[static_cast<int>(step)];
}

// A folder of files that fails at one chosen step. It refuses what a real
// file system refuses: moving a file still open, and it counts only flushed
// bytes as being on the disk.
class FakeDisk : public FileSteps {
public:
    explicit FakeDisk(Step failing, Step alsoFailing = Step::None) : failing_(failing), alsoFailing_(alsoFailing) {}
    std::map<std::wstring, std::string> files;  // what is on the disk
    std::vector<Step> calls;

    bool CreateTemporary(const std::wstring& target, std::wstring* temporary) override {
        calls.push_back(Step::Create);
        if (failing_ == Step::Create) return false;
        open_ = target.substr(0, target.find_last_of(L'\\') + 1) + L"vlk1.tmp";
        files[open_] = "";
        *temporary = open_;
        return true;
    }
    bool Write(std::string_view bytes) override {
        calls.push_back(Step::Write);
        if (failing_ == Step::Write) {
            cache_.assign(bytes.substr(0, bytes.size() / 2));  // a write that stopped midway
            return false;
        }
        cache_.append(bytes);
        return true;
    }
    bool Flush() override {
        calls.push_back(Step::Flush);
        if (failing_ == Step::Flush) return false;
        files[open_] = cache_;
        return true;
    }
    bool Close() override {
        calls.push_back(Step::Close);
        open_.clear();
        return failing_ != Step::Close;
    }
    bool Replace(const std::wstring& temporary, const std::wstring& target) override {
        calls.push_back(Step::Replace);
        if (!open_.empty()) ADD_FAILURE() << "the temporary file is moved while still open";
        if (failing_ == Step::Replace || !open_.empty()) return false;
        files[target] = files[temporary];
        files.erase(temporary);
        return true;
    }
    void Delete(const std::wstring& temporary) override {
        calls.push_back(Step::Delete);
        files.erase(temporary);
    }
    bool WriteInPlace(const std::wstring& target, std::string_view bytes) override {
        calls.push_back(Step::InPlace);
        if (alsoFailing_ == Step::InPlace || !files.contains(target)) return false;
        files[target] = bytes;
        return true;
    }

private:
    Step failing_;
    Step alsoFailing_;
    std::wstring open_;
    std::string cache_;  // written but not yet flushed
};

TEST(AtomicFile, AFailureAtAnyStepLeavesTheOldFileWholeAndNoTemporaryFile) {
    using enum Step;
    const struct {
        Step failing;
        Step alsoFailing;
        std::vector<Step> calls;
        bool saved;
    } cases[] = {
        {Create, None, {Create, InPlace}, true},  // no file can be made beside it
        {Create, InPlace, {Create, InPlace}, false},
        {Write, None, {Create, Write, Close, Delete}, false},
        {Flush, None, {Create, Write, Flush, Close, Delete}, false},
        {Close, None, {Create, Write, Flush, Close, Delete}, false},
        {Replace, None, {Create, Write, Flush, Close, Replace, Delete}, false},
        {None, None, {Create, Write, Flush, Close, Replace}, true},
    };
    const std::wstring target = L"C:\\VELK\\velk.ini";
    const std::string before = "4\r\n0\r\n100\r\n";
    // Every byte counts: a NUL, a Polish letter, the line ends.
    const std::string after("4\r\n1\r\n\0\xB9\xEA\r\n", 12);
    for (const auto& example : cases) {
        SCOPED_TRACE(std::string(Name(example.failing)) + " " + Name(example.alsoFailing));
        FakeDisk disk(example.failing, example.alsoFailing);
        disk.files[target] = before;
        const bool saved = SaveAtomically(disk, target, after);
        EXPECT_EQ(saved, example.saved);
        EXPECT_EQ(disk.files[target], saved ? after : before);
        EXPECT_EQ(disk.files.size(), 1u) << "a temporary file is left behind";
        EXPECT_EQ(disk.calls, example.calls);
    }
}

TEST(AtomicFile, TheFirstSaveCreatesTheFile) {
    FakeDisk disk(Step::None);
    ASSERT_TRUE(SaveAtomically(disk, L"C:\\VELK\\velk.ini", "4\r\n"));
    EXPECT_EQ(disk.files, (std::map<std::wstring, std::string>{{L"C:\\VELK\\velk.ini", "4\r\n"}}));
    // Nothing to write in place where neither file can be made.
    FakeDisk closedFolder(Step::Create);
    EXPECT_FALSE(SaveAtomically(closedFolder, L"C:\\VELK\\velk.ini", "4\r\n"));
    EXPECT_TRUE(closedFolder.files.empty());
}

}  // namespace
}  // namespace velk
