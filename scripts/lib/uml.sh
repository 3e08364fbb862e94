# Runs commands on a real FAT volume: a User-mode Linux kernel, started as an ordinary process
# with the host's file system as its root, mounts a vfat image through the kernel's own FAT
# driver. Sourced by the scripts that test on FAT; needs user-mode-linux, dosfstools, mtools, kmod.

uml_packages=(user-mode-linux dosfstools mtools kmod procps)

# A fresh FAT image of `size_kib` KiB.
uml_make_image() {
  local image=$1 size_kib=${2:-4096}
  rm -f "$image"
  mkfs.vfat -C "$image" "$size_kib" >/dev/null
}

# Writes the init script that mounts the image and runs `inner` (a script file) inside UML, then
# prints "uml-status N" with its exit status, unmounts and halts. MOUNT_OPTIONS are vfat's.
uml_write_init() {
  local init=$1 mount_point=$2 inner=$3 mount_options=$4
  cat >"$init" <<INIT
#!/bin/sh
export PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8
mount -t proc proc /proc
mount -t sysfs sys /sys
mount -t tmpfs tmpfs /run 2>/dev/null
modules=/usr/lib/uml/modules/\$(uname -r)/kernel/fs
for module in fat/fat.ko fat/vfat.ko nls/nls_cp437.ko nls/nls_iso8859-1.ko; do
  insmod \$modules/\$module 2>/dev/null
done
[ -b /dev/ubda ] || mknod /dev/ubda b 98 0
mkdir -p "$mount_point"
if mount -t vfat -o "$mount_options" /dev/ubda "$mount_point"; then
  sh "$inner"
  echo "uml-status \$?"
  umount "$mount_point" || echo "uml-status umount-failed"
else
  echo "uml-status mount-failed"
fi
halt -f
INIT
  chmod +x "$init"
}

# Boots UML on `image` with `init`; its console goes to standard output. A `second_image`, where
# given, is the kernel's /dev/ubdb (block 98 16). The kernel makes itself a session of its own:
# `pkill -KILL -s PID` ends all of its processes at once.
uml_boot() {
  local image=$1 init=$2 second_image=${3:-}
  exec linux.uml mem=768M rootfstype=hostfs rw "init=$init" "ubd0=$image" \
    ${second_image:+"ubd1=$second_image"} con=null con0=fd:0,fd:1 </dev/null
}
