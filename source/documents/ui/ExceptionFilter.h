#pragma once
// What happens to a failure that reaches the top of the event loop.
#include <exception>

namespace ballforge {

/// Messages meant for the user (eerrormessage) get a plain box titled "Error" and count as handled;
/// a silent abort is handled without a word. Anything else is not handled here.
bool ExceptionFilter(std::exception_ptr error);

/// The filter first, then the crash report for whatever the filter left.
void HandleTopLevelException(std::exception_ptr error);

} // namespace ballforge
