# A private CUPS server for the print tests, with a cups-pdf queue as its default printer, so
# that what the program prints comes back as a PDF file to read. Source it after lib.sh and
# call print_server_start after e2e_setup; e2e_cleanup stops it, also when a check fails.
#
# It leaves the machine's own print server alone: its configuration, spool, logs and socket
# lie in the test's folder, and the program finds it through CUPS_SERVER. cups-pdf always
# reads its settings from /etc/cups/cups-pdf.conf, so the server runs in a mount namespace of
# its own in which our settings (write the PDFs into the test's folder) are bound over that
# file; no other process sees the change. cups-pdf hands each PDF to the user who printed,
# which it can only do from a server started as root.

PRINT_QUEUE=Dabwick-PDF
PRINT_PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd

print_server_requirements() {
    local missing="" tool
    for tool in /usr/sbin/cupsd lpadmin lpstat unshare pdfinfo pdftotext pdftoppm; do
        command -v "$tool" >/dev/null || missing="$missing $tool"
    done
    [ -e /usr/lib/cups/backend/cups-pdf ] && [ -e "$PRINT_PPD" ] || missing="$missing cups-pdf"
    [ -z "$missing" ] && return 0
    e2e_fail "printing cannot be tested, missing:$missing (scripts/install-deps installs cups," \
        "printer-driver-cups-pdf and poppler-utils)"
}

print_server_start() {
    print_server_requirements
    if [ "$(id -u)" != 0 ]; then
        local why="the print test needs root: cups-pdf delivers its PDFs only from a print server started as root"
        [ -n "${CI:-}" ] && e2e_fail "$why"
        echo "SKIPPED: $why" >&2
        exit 77
    fi
    local root="$E2E_ROOT/cups"
    PRINT_OUT="$root/pdf"
    mkdir -p "$root/etc/ppd" "$root/spool/tmp" "$root/cache" "$root/state" "$root/log" "$PRINT_OUT"
    # The filters run as the server's unprivileged user and must reach the spool.
    chmod 755 "$E2E_ROOT" "$root" "$root/etc" "$root/spool" "$root/cache" "$root/state"
    chmod 1777 "$root/spool/tmp"
    cat >"$root/etc/cups-files.conf" <<END
ServerRoot $root/etc
RequestRoot $root/spool
TempDir $root/spool/tmp
CacheDir $root/cache
StateDir $root/state
ErrorLog $root/log/error_log
AccessLog $root/log/access_log
PageLog $root/log/page_log
END
    cat >"$root/etc/cupsd.conf" <<END
Listen $root/cups.sock
LogLevel info
WebInterface No
Browsing No
DefaultPolicy test
<Policy test>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
END
    cat >"$root/cups-pdf.conf" <<END
Out $PRINT_OUT
AnonDirName $PRINT_OUT
END
    unshare --mount --propagation private sh -c \
        "mount --bind '$root/cups-pdf.conf' /etc/cups/cups-pdf.conf && exec /usr/sbin/cupsd -f -c '$root/etc/cupsd.conf' -s '$root/etc/cups-files.conf'" \
        >"$root/log/cupsd.out" 2>&1 &
    E2E_CUPSD_PID=$!
    export CUPS_SERVER="$root/cups.sock"
    for _ in $(seq 100); do
        [ "$(lpstat -r 2>/dev/null)" = "scheduler is running" ] && break
        kill -0 "$E2E_CUPSD_PID" 2>/dev/null || { cat "$root/log/cupsd.out" >&2; e2e_fail "the print server did not start"; }
        sleep 0.1
    done
    # Through the default PostScript renderer the sheet's fonts lose their letters, and its
    # text could no longer be read back; cairo's keeps them.
    lpadmin -p "$PRINT_QUEUE" -E -v cups-pdf:/ -P "$PRINT_PPD" -o pdftops-renderer-default=pdftocairo 2>/dev/null \
        && lpadmin -d "$PRINT_QUEUE" || e2e_fail "the PDF queue could not be set up"
    [ "$(lpstat -d)" = "system default destination: $PRINT_QUEUE" ] || e2e_fail "the PDF queue is not the default"
}

# print_wait_pdf N: waits until the Nth PDF has come out and every job has finished, and
# prints the path of the newest PDF.
print_wait_pdf() {
    local count
    for _ in $(seq 600); do
        count=$(find "$PRINT_OUT" -name '*.pdf' | wc -l)
        if [ "$count" -ge "$1" ] && [ -z "$(lpstat -o 2>/dev/null)" ]; then
            ls -t "$PRINT_OUT"/*.pdf | head -n 1
            return 0
        fi
        sleep 0.1
    done
    tail -n 20 "$E2E_ROOT/cups/log/error_log" >&2
    e2e_fail "PDF number $1 did not come out of the print queue"
}
