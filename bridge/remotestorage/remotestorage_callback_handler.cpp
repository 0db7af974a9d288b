#include "remotestorage_callback_handler.h"

#include "jni/booleans.h"
#include "jni/java_string.h"

namespace nimbrel {
namespace {

// Games written before the download result carried its details declare the
// method without arguments and read them with GetUGCDetails.
constexpr ListenerMethod kDownloadWithoutDetails{"onRemoteStorageDownloadUGCResult", "()V"};

}  // namespace

void RemoteStorageCallbackHandler::onFileShareResult(const RemoteStorageFileShareResult_t& e,
                                                     const ListenerMethod& m) {
  call(m, static_cast<jint>(e.m_eResult), static_cast<jlong>(e.m_hFile));
}

void RemoteStorageCallbackHandler::onDownloadUGCResult(const RemoteStorageDownloadUGCResult_t& e,
                                                       const ListenerMethod& m) {
  if (firstDeclared({m, kDownloadWithoutDetails}) == 1) {
    call(kDownloadWithoutDetails);
    return;
  }
  // Also when neither form is declared: the message then names the current one.
  call(m, static_cast<jint>(e.m_eResult), static_cast<jlong>(e.m_hFile), static_cast<jint>(e.m_nAppID),
       static_cast<jint>(e.m_nSizeInBytes), newJavaStringFromField(env(), e.m_pchFileName),
       static_cast<jlong>(e.m_ulSteamIDOwner));
}

void RemoteStorageCallbackHandler::onAppSyncedClient(const RemoteStorageAppSyncedClient_t& e,
                                                     const ListenerMethod& m) {
  call(m, static_cast<jint>(e.m_nAppID), static_cast<jint>(e.m_eResult), static_cast<jint>(e.m_unNumDownloads));
}

void RemoteStorageCallbackHandler::onAppSyncedServer(const RemoteStorageAppSyncedServer_t& e,
                                                     const ListenerMethod& m) {
  call(m, static_cast<jint>(e.m_nAppID), static_cast<jint>(e.m_eResult), static_cast<jint>(e.m_unNumUploads));
}

void RemoteStorageCallbackHandler::onAppSyncProgress(const RemoteStorageAppSyncProgress_t& e,
                                                     const ListenerMethod& m) {
  call(m, newJavaStringFromField(env(), e.m_rgchCurrentFile), static_cast<jint>(e.m_nAppID),
       static_cast<jint>(e.m_uBytesTransferredThisChunk), static_cast<jdouble>(e.m_dAppPercentComplete),
       flagToJBoolean(e.m_bUploading));
}

void RemoteStorageCallbackHandler::onAppSyncStatusCheck(const RemoteStorageAppSyncStatusCheck_t& e,
                                                        const ListenerMethod& m) {
  call(m, static_cast<jint>(e.m_nAppID), static_cast<jint>(e.m_eResult));
}

void RemoteStorageCallbackHandler::onConflictResolution(const RemoteStorageConflictResolution_t& e,
                                                        const ListenerMethod& m) {
  call(m, static_cast<jint>(e.m_nAppID), static_cast<jint>(e.m_eResult));
}

}  // namespace nimbrel
