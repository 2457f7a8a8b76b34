# bash completion for antkeys-cli                                -*- shell-script -*-
# SPDX-License-Identifier: Apache-2.0
# Commands and options are read from the tool's own --help, so they never fall behind it.

_antkeys_cli() {
    local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}
    local tool=${COMP_WORDS[0]} command="" i

    for ((i = 1; i < COMP_CWORD; i++)); do
        case ${COMP_WORDS[i]} in
            -*) ;;
            *) command=${COMP_WORDS[i]}; break ;;
        esac
    done

    local IFS=$'\n'
    if [[ -z $command ]]; then
        local commands
        commands=$("$tool" --help 2>/dev/null | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p')
        COMPREPLY=($(compgen -W "$commands"$'\n'"--help"$'\n'"--version" -- "$cur"))
        return
    fi

    case $prev in
        --dir)
            compopt -o filenames 2>/dev/null
            COMPREPLY=($(compgen -d -- "$cur"))
            return ;;
        --set)
            COMPREPLY=($(compgen -W $'ka\nen\nru\nuk\nhy\nde\nel\nfr' -- "$cur"))
            return ;;
        -o | --output | --alphabet | --charset | --trigrams)
            compopt -o filenames 2>/dev/null
            COMPREPLY=($(compgen -f -- "$cur"))
            return ;;
        --ants | --sensitivity | --reinforcement | --layouts | --seconds | --seed | --colonies | --name | --weights)
            return ;;
    esac

    if [[ $cur == -* ]]; then
        local options
        options=$("$tool" "$command" --help 2>/dev/null | grep -oE '(^|[[ ,])--?[a-zA-Z][a-zA-Z0-9-]*' |
            sed 's/^[[ ,]//' | sort -u)
        COMPREPLY=($(compgen -W "$options" -- "$cur"))
        return
    fi
    compopt -o filenames 2>/dev/null
    if [[ $command == init ]]; then
        COMPREPLY=($(compgen -d -- "$cur"))
    else
        COMPREPLY=($(compgen -f -- "$cur"))
    fi
}
complete -F _antkeys_cli antkeys-cli
