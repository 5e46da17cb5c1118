# A falling ball timed every tenth of a second (chute.csv: a header line,
# then "time;height" with decimal commas) turned into a fitted, reported and
# drawn diagram. Run it in the folder that holds chute.csv.
ordinax-cli import chute.csv --header-lines 1 --separator ";" -o chute.orx
ordinax-cli fit chute.orx --curve 0 --model POL2 -o chute.orx --report chute.rtf
ordinax-cli render chute.orx -o chute.png
ordinax-cli render chute.orx -o chute.pdf
