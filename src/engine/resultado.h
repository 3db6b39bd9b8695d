#pragma once
// One way to report a failure: a function that can fail returns a Resultado, which holds either
// the value it made or the reason it could not. The interface follows std::expected (C++23), so
// that the type can become an alias of it when the compilers allow:
//
//   Resultado<Cliente, QString> Obter(qint64 id);      // a value or a message
//   Resultado<void, QString> Gravar(...);              // nothing on success
//   if (!r) return Falha(r.error());                   // passing a failure on
//   return Falha(QStringLiteral("..."));               // building one
//
// Header only and Qt-free: the Qt code uses it with a QString message (ResultadoQt in
// programa/qt/falhas.h), the core code with a std::string or an error enum of its own.

#include <exception>
#include <type_traits>
#include <utility>
#include <variant>

namespace oraculandia {

// The failure to put into a Resultado (std::unexpected).
template <class E> class Falha {
public:
    constexpr explicit Falha(const E& e) : erro_(e) {}
    constexpr explicit Falha(E&& e) : erro_(std::move(e)) {}

    constexpr E& error() & noexcept { return erro_; }
    constexpr const E& error() const& noexcept { return erro_; }
    constexpr E&& error() && noexcept { return std::move(erro_); }

private:
    E erro_;
};

template <class E> Falha(E) -> Falha<E>;

namespace detalhe {
template <class U> struct EhFalha : std::false_type {};
template <class E> struct EhFalha<Falha<E>> : std::true_type {};
} // namespace detalhe

// Thrown by value() when the Resultado holds a failure (std::bad_expected_access): asking for a
// value that is not there is a programming error, never a way to report one.
class AcessoSemValor : public std::exception {
public:
    const char* what() const noexcept override { return "Resultado sem valor"; }
};

template <class T, class E> class [[nodiscard]] Resultado {
    static_assert(!std::is_reference_v<T> && !std::is_reference_v<E>);

public:
    using value_type = T;
    using error_type = E;

    // A value-initialised value, as std::expected.
    constexpr Resultado() requires std::is_default_constructible_v<T> : dados_(std::in_place_index<0>) {}
    // From anything a T can be made of (implicit when the conversion to T is).
    template <class U = T>
    requires(
        std::is_constructible_v<T, U&&> && !std::is_same_v<std::remove_cvref_t<U>, Resultado> &&
        !detalhe::EhFalha<std::remove_cvref_t<U>>::value) constexpr explicit(!std::is_convertible_v<U&&, T>)
        Resultado(U&& valor)
        : dados_(std::in_place_index<0>, std::forward<U>(valor)) {}
    template <class G>
    requires std::is_constructible_v<E, const G&>
    constexpr Resultado(const Falha<G>& falha) : dados_(std::in_place_index<1>, falha.error()) {}
    template <class G>
    requires std::is_constructible_v<E, G&&>
    constexpr Resultado(Falha<G>&& falha) : dados_(std::in_place_index<1>, std::move(falha).error()) {}

    constexpr bool has_value() const noexcept { return dados_.index() == 0; }
    constexpr explicit operator bool() const noexcept { return has_value(); }

    constexpr T& value() & {
        Verificar();
        return *std::get_if<0>(&dados_);
    }
    constexpr const T& value() const& {
        Verificar();
        return *std::get_if<0>(&dados_);
    }
    constexpr T&& value() && {
        Verificar();
        return std::move(*std::get_if<0>(&dados_));
    }

    // Only on a Resultado known to hold a value.
    constexpr T& operator*() & noexcept { return *std::get_if<0>(&dados_); }
    constexpr const T& operator*() const& noexcept { return *std::get_if<0>(&dados_); }
    constexpr T&& operator*() && noexcept { return std::move(*std::get_if<0>(&dados_)); }
    constexpr T* operator->() noexcept { return std::get_if<0>(&dados_); }
    constexpr const T* operator->() const noexcept { return std::get_if<0>(&dados_); }

    // Only on a Resultado known to hold a failure.
    constexpr E& error() & noexcept { return std::get_if<1>(&dados_)->error(); }
    constexpr const E& error() const& noexcept { return std::get_if<1>(&dados_)->error(); }
    constexpr E&& error() && noexcept { return std::move(*std::get_if<1>(&dados_)).error(); }

    template <class U> constexpr T value_or(U&& outro) const& {
        return has_value() ? **this : static_cast<T>(std::forward<U>(outro));
    }
    template <class U> constexpr T value_or(U&& outro) && {
        return has_value() ? std::move(**this) : static_cast<T>(std::forward<U>(outro));
    }

private:
    constexpr void Verificar() const {
        if (!has_value())
            throw AcessoSemValor();
    }

    std::variant<T, Falha<E>> dados_;
};

// The form without a value: success, or the reason of the failure.
template <class E> class [[nodiscard]] Resultado<void, E> {
    static_assert(!std::is_reference_v<E>);

public:
    using value_type = void;
    using error_type = E;

    constexpr Resultado() noexcept = default;
    template <class G>
    requires std::is_constructible_v<E, const G&>
    constexpr Resultado(const Falha<G>& falha) : dados_(std::in_place_index<1>, falha.error()) {}
    template <class G>
    requires std::is_constructible_v<E, G&&>
    constexpr Resultado(Falha<G>&& falha) : dados_(std::in_place_index<1>, std::move(falha).error()) {}

    constexpr bool has_value() const noexcept { return dados_.index() == 0; }
    constexpr explicit operator bool() const noexcept { return has_value(); }

    constexpr void value() const {
        if (!has_value())
            throw AcessoSemValor();
    }
    constexpr void operator*() const noexcept {}

    // Only on a Resultado known to hold a failure.
    constexpr E& error() & noexcept { return std::get_if<1>(&dados_)->error(); }
    constexpr const E& error() const& noexcept { return std::get_if<1>(&dados_)->error(); }
    constexpr E&& error() && noexcept { return std::move(*std::get_if<1>(&dados_)).error(); }

private:
    std::variant<std::monostate, Falha<E>> dados_;
};

} // namespace oraculandia
