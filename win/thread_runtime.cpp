// The C++ runtime's thread calls, answered by Windows itself.
//
// The runtime keeps each thread's exceptions in emulated thread-local
// storage and guards its emergency exception pool with a lock; for both it
// calls the eight POSIX functions below. Defined in velk.exe's own objects,
// they keep the linker from taking winpthreads for them, a tenth of the
// program's size. The types are winpthreads' own, so that the runtime's
// statically initialised locks keep their meaning. The panel runs one
// thread, yet these are thread safe: Windows starts threads of its own in
// every process.
#include <windows.h>

#include <pthread.h>

#include <cerrno>

namespace {

using Destructor = void (*)(void*);

// A lock is a slim reader/writer lock in the mutex's own pointer-sized
// storage; PTHREAD_MUTEX_INITIALIZER (-1) becomes an unlocked one (0) at
// its first use. The runtime asks for plain locks only, never recursive ones.
SRWLOCK* Lock(pthread_mutex_t* mutex) {
    InterlockedCompareExchangePointer(reinterpret_cast<void**>(mutex), nullptr,
                                      reinterpret_cast<void*>(PTHREAD_MUTEX_INITIALIZER));
    return reinterpret_cast<SRWLOCK*>(mutex);
}

SRWLOCK onceLock = SRWLOCK_INIT;

// Fiber-local storage calls its destructor with WINAPI, the runtime's is a
// plain C function (they differ on x86): one WINAPI runner per key.
constexpr LONG kKeyCount = 4;
Destructor destructors[kKeyCount];
LONG keysMade = 0;

template <LONG Key>
void WINAPI RunDestructor(void* value) {
    if (value != nullptr) destructors[Key](value);
}

constexpr PFLS_CALLBACK_FUNCTION kRunners[kKeyCount] = {RunDestructor<0>, RunDestructor<1>,
                                                        RunDestructor<2>, RunDestructor<3>};

}  // namespace

extern "C" {

int pthread_mutex_init(pthread_mutex_t* mutex, const pthread_mutexattr_t*) {
    InitializeSRWLock(reinterpret_cast<SRWLOCK*>(mutex));
    return 0;
}

int pthread_mutex_destroy(pthread_mutex_t*) { return 0; }

int pthread_mutex_lock(pthread_mutex_t* mutex) {
    AcquireSRWLockExclusive(Lock(mutex));
    return 0;
}

int pthread_mutex_unlock(pthread_mutex_t* mutex) {
    ReleaseSRWLockExclusive(Lock(mutex));
    return 0;
}

int pthread_once(pthread_once_t* once, void (*run)(void)) {
    if (InterlockedCompareExchange(once, 0, 0) != 0) return 0;
    AcquireSRWLockExclusive(&onceLock);
    if (*once == 0) {
        run();
        InterlockedExchange(once, 1);
    }
    ReleaseSRWLockExclusive(&onceLock);
    return 0;
}

int pthread_key_create(pthread_key_t* key, Destructor destructor) {
    const LONG slot = InterlockedIncrement(&keysMade) - 1;
    if (slot >= kKeyCount) return EAGAIN;
    destructors[slot] = destructor;
    const DWORD index = FlsAlloc(destructor != nullptr ? kRunners[slot] : nullptr);
    if (index == FLS_OUT_OF_INDEXES) return EAGAIN;
    *key = index;
    return 0;
}

// Every access to a thread-local variable asks for its value; keep the
// caller's last error, which FlsGetValue resets.
void* pthread_getspecific(pthread_key_t key) {
    const DWORD lastError = GetLastError();
    void* value = FlsGetValue(key);
    SetLastError(lastError);
    return value;
}

int pthread_setspecific(pthread_key_t key, const void* value) {
    return FlsSetValue(key, const_cast<void*>(value)) ? 0 : ENOMEM;
}

}  // extern "C"
