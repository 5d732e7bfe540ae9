#include "main/ui/about_texts.h"

const char kAboutText[] =
    "   This software can encode any type of files into strongly encrypted files with the extension of '.ept' "
    "to keep the original files confidential from unauthorized users. The encrypted files are protected by the "
    "following two levels of security:\t  1. PASSWORD: During encrypting a file password can be provided to "
    "prevent decryption of the encrypted file without the password.\t  2. STRONG ENCRYPTION CODE: The data in "
    "the encrypted files are encrypted with a very strong code which can not be extracted without this software.";

const char kCreditsText[] =
    "   ZORVANEX(version-3.1) is designed and developed by Pelk Softwares. Its file format, its encryption "
    "code, its skinned windows and its installer were all built from the ground up. Many thanks to everyone "
    "who tested the early versions, reported faults and asked for the options to delete files and to shut "
    "the computer down after an encryption.\t  The pictures, the icon and the key cursor are drawn by the "
    "software itself. ZORVANEX is distributed as it is, without any warranty; keep a copy of every important "
    "file.";

const char kPictureCaption[] = "ZORVANEX 3.1";
