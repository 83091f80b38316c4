#include "app/Exceptions.h"

// Not inlined, so that the return address lies in the code that raised.
__attribute__((noinline)) Exception::Exception(QString message)
    : message_(std::move(message)),
      utf8_(message_.toStdString()),
      address_(__builtin_extract_return_addr(__builtin_return_address(0)))
{
}
