// The test programs' build: a live count per kind of object.
#include "win/object_count.h"

#include <array>
#include <atomic>

namespace velk {

namespace {

std::array<std::atomic<long>, static_cast<size_t>(ObjectKind::Count)> live{};

}  // namespace

void NoteAcquired(ObjectKind kind) noexcept { ++live[static_cast<size_t>(kind)]; }
void NoteReleased(ObjectKind kind) noexcept { --live[static_cast<size_t>(kind)]; }

long LiveObjects(ObjectKind kind) noexcept { return live[static_cast<size_t>(kind)]; }

long LiveObjects() noexcept {
    long sum = 0;
    for (const std::atomic<long>& count : live) sum += count;
    return sum;
}

}  // namespace velk
