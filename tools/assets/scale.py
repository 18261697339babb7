"""The output scale every picture generator takes: --scale 1, 2 or 3 (output pixels per
design pixel), so one design is drawn for the 1x, @2x and @3x files alike."""
import sys


def scale_argument():
    if "--scale" in sys.argv:
        k = int(sys.argv[sys.argv.index("--scale") + 1])
        if k not in (1, 2, 3):
            sys.exit("--scale takes 1, 2 or 3")
        return k
    return 1
