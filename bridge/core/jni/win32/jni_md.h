/* Machine-dependent JNI types and linkage for 32- and 64-bit Windows. */
#ifndef ZENTROBE_JNI_MD_H
#define ZENTROBE_JNI_MD_H

/* nimbrel exports its natives through a module-definition file, under the
   decorated stdcall names the VM looks up; a dllexport attribute would add an
   undecorated second name for each. */
#if defined(ZENTROBE_EXPORTS_BY_DEF)
#define JNIEXPORT
#else
#define JNIEXPORT __declspec(dllexport)
#endif
#define JNIIMPORT __declspec(dllimport)
#define JNICALL __stdcall

typedef long jint;
typedef long long jlong;
typedef signed char jbyte;

#endif
