#pragma once

#include "core/db/Database.h"

namespace Firebird {
class ITransaction;
}

namespace kalvor::db {

// A transaction with the parameters every transaction of the program uses:
// read_committed, rec_version, nowait. One object may be started and ended
// many times; ending the object (or closing the connection) without a commit
// rolls back.
class Transaction
{
public:
    explicit Transaction(Database &db);
    ~Transaction();
    Transaction(const Transaction &) = delete;
    Transaction &operator=(const Transaction &) = delete;

    void start();
    void commit();
    void rollback();
    // Starts the transaction when it is not active; returns true when it did.
    bool ensureStarted();
    bool isActive() const { return m_handle != nullptr; }

    Database &database() const { return m_db; }
    Firebird::ITransaction *handle() const { return m_handle; }

private:
    friend class Database;
    void abandon(); // connection is closing: roll back and forget the handle

    Database &m_db;
    Firebird::ITransaction *m_handle = nullptr;
};

// Runs a unit of work in a transaction: starts it when it is not active and
// then owns it, committing on commit() and rolling back on destruction
// without commit(). A guard on a transaction that was already active leaves
// the decision to the outer unit of work that started it.
class TransactionGuard
{
public:
    explicit TransactionGuard(Transaction &t) : m_t(t), m_owner(m_t.ensureStarted()) {}
    ~TransactionGuard();
    void commit();
    TransactionGuard(const TransactionGuard &) = delete;
    TransactionGuard &operator=(const TransactionGuard &) = delete;

private:
    Transaction &m_t;
    bool m_owner;
    bool m_done = false;
};

} // namespace kalvor::db
