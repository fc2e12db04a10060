# Sourced: writes the three pictures the renderer reads, as the host will at a saver start.
# write_capture_files FOLDER: a sky picture, a photograph of the X screen as it is now, and a
# grey sun glow, as 24-bit bitmap files.
write_capture_files() {
    local folder=$1
    mkdir -p "$folder"
    convert -size 256x256 gradient:'#5d8fd8'-'#e8f2ff' -type TrueColor \
        BMP3:"$folder/Altostrat1.bmp"
    import -window root -type TrueColor BMP3:"$folder/Altostrat2.bmp"
    convert -size 256x256 radial-gradient:'#707070'-black -type TrueColor \
        BMP3:"$folder/Altostrat3.bmp"
}
