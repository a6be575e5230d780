# The typical stage the screenshot scripts type into the main window as a user would: the thirteen
# parameters into the grid's value column, the sweep into its three fields, then "расчет".
# Sourced; the sourcing script supplies click X Y (in the main window's client area) and
# type_text TEXT.

# $1: the distance between the grid's rows in pixels.
type_typical_stage() {
    local pitch=$1 row
    local values=(100 1000 1 99 1000 10 10 100 1 1 100000 10 1)
    for row in $(seq 1 13); do
        click 570 $((32 + row * pitch + 12))
        type_text "${values[row - 1]}"
        xdotool key Return
    done
    click 444 458 && type_text 10
    click 528 458 && type_text 100000
    click 608 458 && type_text 1000
    click 448 536 # расчет
    sleep 1
}
