// The C++ runtime's thread calls as velk.exe links them, in a program without GoogleTest (its
// condition variable needs winpthreads): each thread its own exceptions and last error, one lock
// for all, one run of a once, and a key's destructor as a thread that set it ends.
#include <windows.h>
#include <pthread.h>
#include <stdexcept>
#include <string>

pthread_mutex_t lock = PTHREAD_MUTEX_INITIALIZER;
pthread_once_t once = PTHREAD_ONCE_INIT;
pthread_key_t key;
long total = 0, destroyed = 0, onceRuns = 0;
thread_local int accesses = 0;

DWORD WINAPI Work(void* id) {
    SetLastError(ERROR_ACCESS_DENIED);
    if (++accesses != 1 || GetLastError() != ERROR_ACCESS_DENIED) return 1;
    pthread_setspecific(key, id);
    pthread_once(&once, [] { InterlockedIncrement(&onceRuns); });
    for (int round = 0; round < 2000; ++round) try {
            throw std::runtime_error(std::to_string(reinterpret_cast<intptr_t>(id)));
        } catch (const std::exception&) {
            pthread_mutex_lock(&lock);
            const long seen = total;
            try { throw; } catch (const std::exception& e) { total = seen + (std::stoll(e.what()) == reinterpret_cast<intptr_t>(id)); }
            pthread_mutex_unlock(&lock);
        }
    return 0;
}

int main() {
    pthread_key_create(&key, [](void*) { InterlockedIncrement(&destroyed); });
    HANDLE threads[4];
    for (intptr_t id = 0; id < 4; ++id) threads[id] = CreateThread(nullptr, 0, Work, reinterpret_cast<void*>(id + 1), 0, nullptr);
    WaitForMultipleObjects(4, threads, TRUE, INFINITE);
    DWORD failed = 0, code = 1;
    for (HANDLE thread : threads) failed |= GetExitCodeThread(thread, &code) ? code : 1;
    return failed == 0 && total == 4 * 2000 && destroyed == 4 && onceRuns == 1 ? 0 : 1;
}
