#!/bin/sh
# `stats` against R's mean and sd on real columns, written by R's write.csv: every shown figure
# within one unit in its last shown place. Usage: StatsAgainstR.sh CLI WORK
cli=$1
work=$2
if ! command -v Rscript >/dev/null 2>&1; then
    echo "Rscript is not installed (scripts/deps.sh installs r-base-core)"
    exit 77
fi
rm -rf "$work" && mkdir -p "$work" || exit 1
cat >"$work/check.R" <<'SCRIPT'
args <- commandArgs(trailingOnly = TRUE)
cli <- args[1]
work <- args[2]
sets <- list(
  airquality = airquality,
  treering = data.frame(year = as.integer(time(treering)), ring = as.numeric(treering)),
  faithful = faithful,
  trees = trees,
  mtcars = mtcars[, c("mpg", "disp", "hp", "wt", "qsec")],
  # Singles near 1E+30 that differ in their last bits: single running sums gave SD 0.
  large = data.frame(x = 2^100 + (1:200) * 2^80)
)
# The place of the last digit a shown text holds: "42.67857" 1e-05, "5.787918E+25" 1e+19.
unit <- function(text) {
  parts <- strsplit(text, "E", fixed = TRUE)[[1]]
  decimals <- if (grepl(".", parts[1], fixed = TRUE)) nchar(sub(".*\\.", "", parts[1])) else 0
  10^((if (length(parts) > 1) as.numeric(parts[2]) else 0) - decimals)
}
failures <- 0
checked <- 0
for (name in names(sets)) {
  d <- sets[[name]]
  path <- file.path(work, paste0(name, ".csv"))
  write.csv(d, path, row.names = FALSE)
  out <- system2(cli, c("stats", path), stdout = TRUE)
  rows <- strsplit(out, "\t", fixed = TRUE)
  figure <- function(label) rows[[grep(label, out, fixed = TRUE)[1]]][-1]
  shown <- list(mean = figure("平　均"), sd = figure("標準偏差"), n = figure("ケース数"))
  for (v in seq_along(d)) {
    x <- d[[v]][!is.na(d[[v]])]
    expected <- c(mean = mean(x), sd = sd(x))
    for (what in names(expected)) {
      text <- trimws(shown[[what]][v])
      off <- abs(as.numeric(text) - expected[[what]])
      checked <- checked + 1
      if (!(off <= unit(text) * (1 + 1e-9))) {
        cat(sprintf("%s$%s %s: shown %s, R %.10g\n", name, names(d)[v], what, text, expected[[what]]))
        failures <- failures + 1
      }
    }
    if (as.integer(shown$n[v]) != length(x)) {
      cat(sprintf("%s$%s cases: shown %s, R %d\n", name, names(d)[v], shown$n[v], length(x)))
      failures <- failures + 1
    }
  }
}
cat(sprintf("%d figures compared, %d off\n", checked, failures))
quit(status = if (failures == 0 && checked > 0) 0 else 1)
SCRIPT
LC_ALL=C.UTF-8 Rscript --vanilla "$work/check.R" "$cli" "$work"
