// SPDX-License-Identifier: GPL-3.0-or-later
// Where this emscripten's file calls in node fall short of the system calls
// the engine relies on (linked with --js-library).

// fdatasync(2) and fsync(2) on the real disk: this emscripten's own return
// at once without syncing anything, so the atomic write's new file would be
// renamed over the old one before it is on the disk.
function pelikanSync(fd, data) {
  try {
    var nfd = SYSCALLS.getStreamFromFD(fd).nfd;
    if (data) require('fs').fdatasyncSync(nfd); else require('fs').fsyncSync(nfd);
    return 0;
  } catch (e) {
    return pelikanErrno(e);
  }
}

// The errno value for an error thrown by emscripten's file layer or node's.
function pelikanErrno(e) {
  if (e instanceof FS.ErrnoError) return e.errno;
  if (e.code && e.code in ERRNO_CODES) return ERRNO_CODES[e.code];
  throw e;
}

mergeInto(LibraryManager.library, {
  $pelikanErrno__deps: ['$FS', '$ERRNO_CODES'],
  $pelikanErrno: pelikanErrno,
  $pelikanSync__deps: ['$SYSCALLS', '$pelikanErrno'],
  $pelikanSync: pelikanSync,
  // The open below comes along with the sync, which every file write uses.
  __syscall_fdatasync__deps: ['$pelikanSync', '$pelikanKeepNonBlock'],
  __syscall_fdatasync: function (fd) { return -pelikanSync(fd, true); },
  fd_sync__deps: ['$pelikanSync'],
  fd_sync: function (fd) { return pelikanSync(fd, false); },

  // access(2) asked of the system: this emscripten answers from the mode
  // bits alone, as if every file were the caller's, so a file the user may
  // not write would be replaced. Node has no faccessat with AT_EACCESS; its
  // real and effective users are the same.
  __syscall_faccessat__deps: ['$SYSCALLS', '$pelikanErrno'],
  __syscall_faccessat: function (dirfd, path, amode, flags) {
    try {
      require('fs').accessSync(SYSCALLS.calculateAt(dirfd, SYSCALLS.getStr(path)), amode);
      return 0;
    } catch (e) {
      return -pelikanErrno(e);
    }
  },

  // O_NONBLOCK passed on to node's open: this emscripten drops it, and the
  // log's open would then wait forever on a FIFO without a writer.
  $pelikanKeepNonBlock__deps: ['$NODEFS'],
  $pelikanKeepNonBlock__postset: 'NODEFS.flagsForNode = pelikanKeepNonBlock(NODEFS.flagsForNode);',
  $pelikanKeepNonBlock: function (flagsForNode) {
    return function (flags) {
      var kept = flags & {{{ cDefine('O_NONBLOCK') }}} ? require('fs').constants.O_NONBLOCK : 0;
      return flagsForNode(flags) | kept;
    };
  },
});
