#include "dialog_records.h"

#include <algorithm>
#include <atomic>
#include <vector>

namespace {

std::vector<DialogRecord> Dialogs;
std::vector<ControlRecord> Controls;

// The program has one thread, so the lock is never contended; it keeps the list
// whole should a second thread ever create dialogs. Never held across a call out.
std::atomic_flag ListBusy = ATOMIC_FLAG_INIT;

class ListLock {
  public:
    ListLock() {
        while (ListBusy.test_and_set(std::memory_order_acquire)) {
            YieldProcessor();
        }
    }
    ~ListLock() { ListBusy.clear(std::memory_order_release); }
    ListLock(const ListLock&) = delete;
    ListLock& operator=(const ListLock&) = delete;
};

template <typename Record> Record* FindIn(std::vector<Record>& list, HWND window) {
    auto found = std::find_if(list.begin(), list.end(),
                              [window](const Record& r) { return r.window == window; });
    return found == list.end() ? nullptr : &*found;
}

} // namespace

void DialogRecordAdd(const DialogRecord& record) {
    ListLock lock;
    Dialogs.push_back(record);
}

void ControlRecordAdd(const ControlRecord& record) {
    ListLock lock;
    Controls.push_back(record);
}

bool DialogRecordFind(HWND window, DialogRecord* record) {
    ListLock lock;
    const DialogRecord* found = FindIn(Dialogs, window);
    if (found == nullptr) {
        return false;
    }
    *record = *found;
    return true;
}

bool ControlRecordFind(HWND window, ControlRecord* record) {
    ListLock lock;
    const ControlRecord* found = FindIn(Controls, window);
    if (found == nullptr) {
        return false;
    }
    *record = *found;
    return true;
}

bool DialogRecordAttach(HWND window, DialogCallback handler, int32_t* endValue) {
    ListLock lock;
    DialogRecord* found = FindIn(Dialogs, window);
    if (found == nullptr) {
        return false;
    }
    found->handler = handler;
    found->endValue = endValue;
    return true;
}

void DialogRecordsDrop(HWND dialog) {
    ListLock lock;
    Dialogs.erase(std::remove_if(Dialogs.begin(), Dialogs.end(),
                                 [dialog](const DialogRecord& r) { return r.window == dialog; }),
                  Dialogs.end());
    Controls.erase(std::remove_if(Controls.begin(), Controls.end(),
                                  [dialog](const ControlRecord& r) { return r.dialog == dialog; }),
                   Controls.end());
}
