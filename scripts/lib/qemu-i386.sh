# shellcheck shell=sh
# Sourced by bootstrap and test (POSIX sh): the binfmt_misc entry that runs
# i386 ELF programs, executables and shared objects alike, through qemu's
# user-mode emulator. Magic and mask are those of qemu's own table. With
# the F flag the kernel opens the emulator once, when the entry is made, so
# it is found from every mount namespace and chroot.
QEMU_I386_ENTRY=':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386:F'

# Mounts binfmt_misc where it is not, and makes the entry. The kernel reads
# the \x escapes itself, so the text is written as it stands.
qemu_i386_register() {
    [ -e /proc/sys/fs/binfmt_misc/register ] ||
        mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc 2>/dev/null || return 1
    [ -e /proc/sys/fs/binfmt_misc/qemu-i386 ] ||
        printf '%s' "$QEMU_I386_ENTRY" 2>/dev/null >/proc/sys/fs/binfmt_misc/register
}
