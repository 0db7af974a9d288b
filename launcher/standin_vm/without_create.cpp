// A library in the place of the VM library that lacks the VM's entry point: what a damaged or
// foreign file there looks like to the launcher.
#define _JNI_IMPLEMENTATION_
#include <jni.h>

extern "C" JNIEXPORT jint JNICALL JNI_GetDefaultJavaVMInitArgs(void*) { return JNI_ERR; }
