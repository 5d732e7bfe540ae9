// The fixed byte substitution of the ".ept" body. These two tables are part of the
// file format: every ".ept" file ever written depends on them. Never change them.
#pragma once

extern const unsigned char kEncryptTable[256];
extern const unsigned char kDecryptTable[256];
