#!/usr/bin/env python3
"""Builds the benchmark's tree natively: FILES small files spread over
FOLDERS folders, plus one chain of nested folders whose deepest file's
Windows path is exactly CHAIN_LENGTH characters long (259 is the longest
path that fits the system's 260-character limit with its terminator).

  make_tree.py ROOT WINDOWS_ROOT [--files N] [--folders N] [--chain-length N]

ROOT must not exist yet; WINDOWS_ROOT is the same folder as Windows names it
(Z:\\...), which fixes the lengths of the chain's paths. Prints the counts and
the chain's path lengths as name=value pairs."""
import argparse
import os

FILE_BYTES = b"quorvin bench " * 4 + b"12345678"  # 64 bytes
CHAIN_NAME = 10  # characters per level of the chain


def make_files(root, files, folders):
    per_folder, extra = divmod(files, folders)
    for f in range(folders):
        folder = os.path.join(root, "d%04d" % f)
        os.mkdir(folder)
        for n in range(per_folder + (1 if f < extra else 0)):
            fd = os.open(os.path.join(folder, "f%05d.txt" % n),
                         os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o644)
            os.write(fd, FILE_BYTES)
            os.close(fd)


def chain_names(start_length, folder_length):
    """Level names taking a Windows path of start_length characters to one
    of exactly folder_length (each level adds a backslash and its name)."""
    names, length, level = [], start_length, 0
    while folder_length - length >= 2:
        room = folder_length - length - 1
        take = room if room <= CHAIN_NAME else min(CHAIN_NAME, room - 2)
        names.append(("c%02d" % level + "x" * CHAIN_NAME)[:take])
        length += 1 + take
        level += 1
    return names, length


def make_chain(root, windows_root, chain_length):
    # The deepest folder leaves room for its search pattern ("\*.*") within
    # the same length as its file; the file fills up to the length asked.
    top_unix = os.path.join(root, "chain")
    top_windows = windows_root + "\\chain"
    names, folder_length = chain_names(len(top_windows), chain_length - 4)
    deepest = os.path.join(top_unix, *names)
    os.makedirs(deepest)
    file_name = "z" * (chain_length - folder_length - 1)
    with open(os.path.join(deepest, file_name), "wb") as f:
        f.write(FILE_BYTES)
    return len(names) + 1, folder_length, folder_length + 1 + len(file_name)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("root")
    parser.add_argument("windows_root")
    parser.add_argument("--files", type=int, default=100000)
    parser.add_argument("--folders", type=int, default=1000)
    parser.add_argument("--chain-length", type=int, default=259)
    args = parser.parse_args()
    os.mkdir(args.root)
    make_files(args.root, args.files, max(1, args.folders))
    levels, folder_length, file_length = make_chain(
        args.root, args.windows_root.rstrip("\\"), args.chain_length)
    print("files=%d folders=%d chain_levels=%d chain_folder_chars=%d "
          "chain_file_chars=%d" % (args.files, args.folders, levels,
                                   folder_length, file_length))


if __name__ == "__main__":
    main()
