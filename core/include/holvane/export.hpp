#pragma once
// What the Atrium libraries export. They are built with hidden symbols; the declarations of the
// public headers stand between ATRIUM_EXPORT_BEGIN and ATRIUM_EXPORT_END, so exactly those are
// visible outside a shared library and the internal headers' declarations stay inside.
#define ATRIUM_EXPORT_BEGIN _Pragma("GCC visibility push(default)")
#define ATRIUM_EXPORT_END _Pragma("GCC visibility pop")
