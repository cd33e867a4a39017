#!/usr/bin/env bash
# Sets up the printer that the print tests send their page to: a CUPS queue
# writing PDF files through cups-pdf, made the system's DEFAULT printer.
# Starts the CUPS scheduler when it is not running (containers and CI have no
# service manager to do it). Run as root; running it again is harmless.
#
# On a developer's machine with printers of its own this replaces the default
# printer with the test queue (put yours back with `lpadmin -d NAME`). It
# leaves the other queues and the shared /etc/cups/cups-pdf.conf alone: the
# queue has its own cups-pdf instance and configuration file.
#
# tests/ui/print_test.cpp knows these names; change them together.
#   queue:          Torvane_PDF
#   device:         cups-pdf:/torvane  ->  /etc/cups/cups-pdf-torvane.conf
#   PDFs appear in: the "Out" directory of that file, /var/spool/cups-pdf/torvane
set -euo pipefail
# lpadmin, lpinfo and cupsd live in /usr/sbin, which a user's PATH may lack.
PATH="$PATH:/usr/sbin:/sbin"

queue=Torvane_PDF
instance=torvane
config=/etc/cups/cups-pdf-${instance}.conf
out_dir=/var/spool/cups-pdf/${instance}

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)

scheduler_running() { lpstat -r 2>/dev/null | grep -qx 'scheduler is running'; }

if ! scheduler_running; then
    echo "Starting the CUPS scheduler"
    "${as_root[@]}" /usr/sbin/cupsd
    for _ in $(seq 1 60); do
        scheduler_running && break
        sleep 0.5
    done
    scheduler_running || { echo "test_printer.sh: the CUPS scheduler did not start" >&2; exit 1; }
fi

# Every job, root's and anonymous ones alike, lands in one directory, and
# each file name carries the job number so that a new page never overwrites
# an old one.
"${as_root[@]}" mkdir -p "$out_dir"
# Pages from earlier runs are of no use; the tests tell new files from old
# ones by name, so clearing them only keeps the directory small.
"${as_root[@]}" find "$out_dir" -maxdepth 1 -name '*.pdf' -type f -delete
"${as_root[@]}" chmod 1777 "$out_dir"
"${as_root[@]}" tee "$config" >/dev/null <<EOF
# Written by scripts/test_printer.sh for the queue ${queue}.
Out ${out_dir}
AnonDirName ${out_dir}
Label 1
Grp lpadmin
EOF

model=$(lpinfo -m 2>/dev/null | awk '/CUPS-PDF_opt\.ppd/ { print $1; exit }')
if [ -n "$model" ]; then
    driver=(-m "$model")
else
    driver=(-P /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd)
fi
# lpadmin warns that printer drivers are deprecated; only a failure is news.
if ! output=$("${as_root[@]}" lpadmin -p "$queue" -E -v "cups-pdf:/${instance}" "${driver[@]}" 2>&1); then
    echo "$output" >&2
    exit 1
fi
"${as_root[@]}" lpadmin -d "$queue"
"${as_root[@]}" cupsenable "$queue"
"${as_root[@]}" cupsaccept "$queue"

default=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
[ "$default" = "$queue" ] || { echo "test_printer.sh: the default printer is '${default}', not ${queue}" >&2; exit 1; }
echo "Default printer ${queue} writes PDF files to ${out_dir}"
