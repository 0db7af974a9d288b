// What the stand-in shows to its control library and its interface files.
#pragma once

#if defined(_WIN32)
#  define STANDIN_API __declspec(dllexport)
#else
#  define STANDIN_API __attribute__((visibility("default")))
#endif
