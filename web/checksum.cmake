# SPDX-License-Identifier: GPL-3.0-or-later
# Writes FILE.sha256 beside FILE: its SHA-256 and its name, the line
# `sha256sum -c FILE.sha256` checks.
# -DFILE=<a file in the working folder>
file(SHA256 ${FILE} hash)
file(WRITE ${FILE}.sha256 "${hash}  ${FILE}\n")
