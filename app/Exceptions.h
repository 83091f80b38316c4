#pragma once
// The program's failure classes. Every failure carries its message; the
// shell shows it in the error box, or in the fatal box during start-up.

#include <QString>
#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(QString message);
    const QString& Message() const { return message_; }
    const char* what() const noexcept override { return utf8_.c_str(); }
    virtual const char* ClassName() const { return "Exception"; }
    // Code address where the failure was raised, for the fatal start-up box.
    const void* Address() const { return address_; }

private:
    QString message_;
    std::string utf8_;
    const void* address_;
};

#define LEARN3A_EXCEPTION(Name, Base)                                   \
    class Name : public Base {                                          \
    public:                                                             \
        using Base::Base;                                               \
        const char* ClassName() const override { return #Name; }        \
    };

LEARN3A_EXCEPTION(EAbort, Exception)
LEARN3A_EXCEPTION(EInvalidGraphic, Exception)
LEARN3A_EXCEPTION(EStreamError, Exception)
LEARN3A_EXCEPTION(EFileStreamError, EStreamError)
LEARN3A_EXCEPTION(EFOpenError, EFileStreamError)
LEARN3A_EXCEPTION(EFilerError, EStreamError)
LEARN3A_EXCEPTION(EReadError, EFilerError)
LEARN3A_EXCEPTION(EResNotFound, Exception)
LEARN3A_EXCEPTION(EJPEG, Exception)
LEARN3A_EXCEPTION(EMCIDeviceError, Exception)
LEARN3A_EXCEPTION(EOleError, Exception)
LEARN3A_EXCEPTION(EOleSysError, EOleError)
LEARN3A_EXCEPTION(EOleException, EOleSysError)

#undef LEARN3A_EXCEPTION
