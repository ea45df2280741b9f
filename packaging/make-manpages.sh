#!/usr/bin/env bash
# Writes the manual pages fortunara.1.gz and fortunara-cli.1.gz into OUTDIR from the programs' own
# --help texts, so that the usage is written in one place only.
# Usage: make-manpages.sh FORTUNARA FORTUNARA_CLI VERSION OUTDIR
set -euo pipefail
program=$1 cli=$2 version=$3 out=$4

# Plain text as roff: backslashes and minus signs escaped, no line starting as a request.
roff() { sed -e 's/\\/\\e/g' -e 's/-/\\-/g' -e "s/^\\([.']\\)/\\\\\\&\\1/"; }

{
    echo ".TH FORTUNARA\\-CLI 1 \"\" \"Fortunara $version\" \"Comandi dell'utente\""
    echo ".SH NOME"
    echo "fortunara\\-cli \\- i calcoli di Fortunara senza finestre"
    echo ".SH SINTESI"
    echo ".nf"
    "$cli" --help | roff
    echo ".fi"
    echo ".SH DESCRIZIONE"
    echo "Offre i calcoli del programma Fortunara sulla stessa cartella del programma: l'archivio delle"
    echo "estrazioni, le statistiche, i sistemi, i controlli, il metodo dei vertibili e le schedine."
    echo "Gli errori vanno sullo standard error in italiano con stato 2."
    echo ".SH COMANDI"
    "$cli" --help | sed -n '/^comandi:/,/^[^ ]/s/^  \([a-z-]*\) .*/\1/p' | sort -u | while read -r command; do
        echo ".SS $command"
        echo ".nf"
        "$cli" "$command" --help | roff
        echo ".fi"
    done
    echo ".SH VEDERE ANCHE"
    echo ".BR fortunara (1)"
} | gzip -9n >"$out/fortunara-cli.1.gz"

{
    echo ".TH FORTUNARA 1 \"\" \"Fortunara $version\" \"Comandi dell'utente\""
    echo ".SH NOME"
    echo "fortunara \\- archivio, statistiche e sistemi per la Sestaria"
    echo ".SH SINTESI"
    echo ".nf"
    "$program" --help | roff
    echo ".fi"
    echo ".SH VEDERE ANCHE"
    echo ".BR fortunara\\-cli (1)"
} | gzip -9n >"$out/fortunara.1.gz"
