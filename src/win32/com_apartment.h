#pragma once

namespace lorvane::win32 {

// Some of the shell's handlers and the accessibility services are COM objects, which need an
// apartment on the calling thread: made at the first need, ended with this object.
class ComApartment {
public:
    ComApartment() = default;
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

    void Ensure();

private:
    bool tried_ = false;
    bool initialized_ = false;
};

}  // namespace lorvane::win32
