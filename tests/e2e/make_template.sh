#!/usr/bin/env bash
# Makes the template Wine prefix of this build (once; quick when it is current).
source "$(dirname "$0")/lib.sh"
e2e_make_template
