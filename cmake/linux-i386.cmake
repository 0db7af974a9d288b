# Linux i386: the 32-bit counterpart of the Windows target, run here under qemu-i386.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_C_FLAGS_INIT -m32)
set(CMAKE_CXX_FLAGS_INIT -m32)
set(CMAKE_EXE_LINKER_FLAGS_INIT -m32)
set(CMAKE_SHARED_LINKER_FLAGS_INIT -m32)
set(CMAKE_MODULE_LINKER_FLAGS_INIT -m32)
# Under qemu-user the VM's compiled code now and then dies on a safepoint or null-check
# fault that qemu delivers wrongly; the interpreter with the serial collector runs reliably.
set(ZENTROBE_JAVA_RUNNER qemu-i386 /usr/lib/jvm/java-17-openjdk-i386/bin/java -XX:+UseSerialGC -Xint)
set(ZENTROBE_JVM_HOME /usr/lib/jvm/java-17-openjdk-i386)
