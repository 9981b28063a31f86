// The save's steps against a fake file system: a failure at any step leaves
// the old file whole and no temporary file behind; success writes exactly
// the bytes.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/atomic_file.h"

namespace velk {
namespace {

enum class Step { None, Create, Write, Flush, Close, Replace };

class FakeFiles : public FileSteps {
public:
    explicit FakeFiles(Step failing) : failing_(failing) {}
    std::map<std::wstring, std::string> files;

    bool CreateTemporary(const std::wstring& target, std::wstring* temporary) override {
        if (failing_ == Step::Create) return false;
        open_ = target + L".tmp";
        files[open_] = "";
        *temporary = open_;
        return true;
    }
    bool Write(std::string_view bytes) override {
        if (failing_ == Step::Write) {
            files[open_] = "half";  // a write that stopped midway
            return false;
        }
        files[open_].append(bytes);
        return true;
    }
    bool Flush() override { return failing_ != Step::Flush; }
    bool Close() override {
        open_.clear();
        return failing_ != Step::Close;
    }
    bool Replace(const std::wstring& temporary, const std::wstring& target) override {
        if (failing_ == Step::Replace || !open_.empty()) return false;  // an open file cannot move
        files[target] = files[temporary];
        files.erase(temporary);
        return true;
    }
    void Delete(const std::wstring& temporary) override { files.erase(temporary); }

private:
    Step failing_;
    std::wstring open_;
};

TEST(AtomicFile, AFailureAtAnyStepLeavesTheOldFileWholeAndNoTemporaryFile) {
    const std::wstring target = L"C:\\VELK\\velk.ini";
    for (Step failing : {Step::Create, Step::Write, Step::Flush, Step::Close, Step::Replace, Step::None}) {
        FakeFiles fake(failing);
        fake.files[target] = "stare ustawienia\r\n";
        const bool saved = SaveAtomically(fake, target, "nowe\r\nustawienia\r\n");
        EXPECT_EQ(saved, failing == Step::None) << static_cast<int>(failing);
        EXPECT_EQ(fake.files[target], saved ? "nowe\r\nustawienia\r\n" : "stare ustawienia\r\n")
            << static_cast<int>(failing);
        EXPECT_EQ(fake.files.size(), 1u) << "no temporary file left, step " << static_cast<int>(failing);
    }
}

}  // namespace
}  // namespace velk
