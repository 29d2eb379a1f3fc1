#!/bin/sh
# Stands in for the web browser in the end-to-end test: Wine's browser
# launcher runs it with the log file given in its setting and the address.
printf '%s\n' "$2" >>"$1"
