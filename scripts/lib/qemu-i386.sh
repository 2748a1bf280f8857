# shellcheck shell=sh
# Sourced by the scripts (POSIX sh): the binfmt_misc entry that runs
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

# Whether this run can have a binfmt_misc instance of its own: one mounted in
# a new user namespace (Linux 6.7 and later, unprivileged user namespaces).
qemu_i386_namespace_usable() {
    unshare --user --map-root-user --mount sh -c \
        'mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc' >/dev/null 2>&1
}

# The entry made in the machine's own binfmt_misc, as root.
qemu_i386_register_for_the_machine() {
    if [ "$(id -u)" -eq 0 ]; then
        qemu_i386_register
    elif command -v sudo >/dev/null 2>&1; then
        sudo sh -c '. scripts/lib/qemu-i386.sh && qemu_i386_register'
    else
        return 1
    fi
}

# Whether 32-bit programs run only through the emulator: its entry is on.
lurn_32bit_emulated() {
    [ -r /proc/sys/fs/binfmt_misc/qemu-i386 ] &&
        [ "$(head -n 1 /proc/sys/fs/binfmt_misc/qemu-i386)" = enabled ]
}
