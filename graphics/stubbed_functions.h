// GDI+ functions that some GDI+ builds export only as stubs which end the
// process when called (Wine's, for a handful). Wrappers of these answer
// NotImplemented instead of calling them there.
#pragma once

namespace graphics {
namespace detail {

// True when calling the flat function `name` ("GdipSetPenUnit") would hit such a stub.
bool IsStubbedOut(const char* name);

}  // namespace detail
}  // namespace graphics
