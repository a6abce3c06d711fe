# bash completion for tunewrap-cli
_tunewrap_cli() {
    local cur prev command i
    cur=${COMP_WORDS[COMP_CWORD]}
    prev=${COMP_WORDS[COMP_CWORD-1]}
    command=
    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            info|to-bmu|to-mp3|fix|hak|game) command=${COMP_WORDS[i]}; break ;;
        esac
    done
    if [ -z "$command" ]; then
        COMPREPLY=($(compgen -W "info to-bmu to-mp3 fix hak game --help --version" -- "$cur"))
        return
    fi
    case $prev in
        -o|--output)
            if [ "$command" = hak ]; then _filedir hak 2>/dev/null || COMPREPLY=($(compgen -f -- "$cur"))
            else COMPREPLY=($(compgen -d -- "$cur")); fi
            return ;;
        --add-to|--list) _filedir hak 2>/dev/null || COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --table) _filedir 2da 2>/dev/null || COMPREPLY=($(compgen -f -- "$cur")); return ;;
        --game) COMPREPLY=($(compgen -d -- "$cur")); return ;;
    esac
    local options files
    case $command in
        info) options="--wav --json --help"; files='@(mp3|MP3|bmu|BMU|wav|WAV)' ;;
        to-bmu) options="--wav -o --output --overwrite --skip-existing --no-preserve-time
                        --skip-unsuitable --reencode --game-names -q --quiet --help"
                files='@(mp3|MP3)' ;;
        to-mp3) options="-o --output --overwrite --skip-existing --no-preserve-time -q --quiet --help"
                files='@(bmu|BMU|wav|WAV)' ;;
        fix) options="--wav -o --output --overwrite --skip-existing -j --jobs -q --quiet --help"
             files='@(mp3|MP3)' ;;
        hak) options="-o --output --add-to --table --game --reencode --list --json -q --quiet --help"
             files='@(mp3|MP3)' ;;
        game) options="--game --help"
              files= ;;
    esac
    if [[ $cur == -* ]]; then
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
    else
        _filedir "$files" 2>/dev/null || COMPREPLY=($(compgen -f -- "$cur"))
    fi
}
complete -F _tunewrap_cli tunewrap-cli
