#!/usr/bin/env bash
# Starts a CUPS scheduler of the print tests' own in DIR, listening only on
# the unix socket DIR/cups.sock, and prints its process id. Its queues send
# each job to a capture backend:
#   Capture   writes job N to DIR/out/job-N.pdf, and the options it was
#             given (copies first) to job-N.options; the default printer
#   Failing   its device fails, so the printer stops with the job unprinted
#   NoPaper   reports that it is out of paper and keeps the job
#   Paused    disabled: jobs wait
#   Refusing  rejects new jobs
# Usage: private_print_server.sh DIR   (stop it with kill; DIR is the caller's)
set -euo pipefail
PATH="$PATH:/usr/sbin:/sbin"
dir=$1
mkdir -p "$dir"/{etc,spool,cache,state,log,out,bin/backend}
# The scheduler, when root, runs backends as the user lp.
chmod 0755 "$dir" "$dir/bin" "$dir/bin/backend"
chmod 0777 "$dir/out"
ln -sfn /usr/lib/cups/daemon "$dir/bin/daemon"
ln -sfn /usr/lib/cups/filter "$dir/bin/filter"

cat > "$dir/bin/backend/capture" <<'EOF'
#!/bin/sh
[ $# -eq 0 ] && { echo 'direct capture "Unknown" "Capture"'; exit 0; }
case "$DEVICE_URI" in
*\?fail) echo "ERROR: The capture device is switched off" >&2; exit 1 ;;
*\?nopaper) printf 'STATE: +media-empty-error\nINFO: Load paper in tray 1\n' >&2; sleep 60; exit 0 ;;
esac
echo "copies=$4 $5" > "${DEVICE_URI#capture:}/job-$1.options"
cat "${6:--}" > "${DEVICE_URI#capture:}/job-$1.pdf"
EOF
chmod 0755 "$dir/bin/backend/capture"

cat > "$dir/etc/cupsd.conf" <<EOF
Listen $dir/cups.sock
Browsing No
DefaultShared No
LogLevel info
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  <Limit All>
    Order deny,allow
  </Limit>
</Policy>
EOF
cat > "$dir/etc/cups-files.conf" <<EOF
ServerRoot $dir/etc
ServerBin $dir/bin
RequestRoot $dir/spool
TempDir $dir/spool
CacheDir $dir/cache
StateDir $dir/state
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
EOF

cupsd -f -c "$dir/etc/cupsd.conf" -s "$dir/etc/cups-files.conf" </dev/null >/dev/null 2>&1 &
pid=$!
export CUPS_SERVER="$dir/cups.sock"
for _ in $(seq 1 100); do
    lpstat -r 2>/dev/null | grep -qx 'scheduler is running' && break
    sleep 0.1
done
# lpadmin warns that raw queues are deprecated; only a failure is news.
queue() { lpadmin -p "$1" -E -v "$2" >/dev/null 2>&1 || { echo "lpadmin -p $1 failed" >&2; kill "$pid"; exit 1; }; }
queue Capture "capture:$dir/out"
queue Failing "capture:$dir/out?fail"
queue NoPaper "capture:$dir/out?nopaper"
queue Paused "capture:$dir/out"
queue Refusing "capture:$dir/out"
lpadmin -d Capture
cupsdisable Paused
cupsreject Refusing
echo "$pid"
